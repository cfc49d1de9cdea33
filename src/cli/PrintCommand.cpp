#include "cli/Commands.h"

#include <iostream>

#include <QString>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
#include "core/output/PrintableArea.h"
#include "core/shell/PictureLoader.h"
#include "print/PrintJob.h"

namespace quorvane::cli {

namespace {

constexpr int kMostCopies = 99;

struct PrintOptions {
    QString page;
    QString printer;
    int copies = 1;
    bool fit = false;
    std::optional<PaperFormat> paper; // the page's own format when not given
};

std::optional<int> ParseCopies(const std::string& text)
{
    bool ok = false;
    const int copies = QString::fromStdString(text).toInt(&ok);
    if (!ok || copies < 1 || copies > kMostCopies)
        return std::nullopt;
    return copies;
}

std::optional<PrintOptions> ReadOptions(const CliArgs& args, std::string& error)
{
    error = UnknownOption(args, {"printer", "copies", "fit", "paper"});
    if (!error.empty())
        return std::nullopt;
    if (args.positionals.size() != 1) {
        error = "print needs one page file";
        return std::nullopt;
    }
    PrintOptions options;
    const std::optional<QString> page = FileNameArgument(args.positionals.front(), error);
    const std::optional<std::string> printer = args.Option("printer");
    if (!page)
        return std::nullopt;
    if (!printer || printer->empty()) {
        error = "print needs a printer: --printer NAME";
        return std::nullopt;
    }
    options.page = *page;
    options.printer = QString::fromStdString(*printer);
    options.fit = args.HasFlag("fit");
    if (const std::optional<std::string> copies = args.Option("copies")) {
        const std::optional<int> count = ParseCopies(*copies);
        if (!count) {
            error = "--copies must be a whole number from 1 to " + std::to_string(kMostCopies);
            return std::nullopt;
        }
        options.copies = *count;
    }
    if (args.Option("paper")) {
        const std::optional<PaperFormat> format = FormatFromArgs(args, error);
        if (!format)
            return std::nullopt;
        options.paper = format;
    }
    return options;
}

std::string Percent(double scale)
{
    return QString::number(scale * 100.0, 'f', 1).toStdString() + " %";
}

} // namespace

int RunPrint(const CliArgs& args)
{
    std::string error;
    const std::optional<PrintOptions> options = ReadOptions(args, error);
    if (!options)
        return UsageError(error);
    const LoadedPicture page = LoadPicture(options->page);
    if (page.image.isNull())
        return Fail(page.error.toStdString(), kExitBadInput);
    QString problem;
    const std::optional<PrintedPage> printed = PrintedPageOf(page.image, options->paper, problem);
    if (!printed)
        return Fail(options->page.toStdString() + ": " + problem.toStdString(), kExitBadInput);

    PrintRequest request;
    request.Page = page.image;
    request.Printed = *printed;
    request.Ink = InkBounds(page.image);
    request.Fit = options->fit;
    request.Copies = options->copies;
    request.JobName = PrintJobName(options->page);
    // A saved page does not know its camera, so it prints alone; the setup sheet comes with
    // `generate -o PAGE.pdf --setup-sheet`.

    const PrinterCheck check = CheckPrinter(options->printer, request);
    if (!check.Problem.isEmpty())
        return Fail(check.Problem.toStdString(), kExitWriteFailed);
    if (!request.Fit && check.Actual.Cut)
        std::cerr << "quorvane-cli: warning: at actual size part of the page falls into the printer's unprintable "
                     "margin and will be missing from the print; --fit shrinks it to "
                  << Percent(check.Fitted.Scale) << "\n";
    if (request.Fit)
        std::cerr << "quorvane-cli: printing at " << Percent(check.Fitted.Scale) << " of actual size\n";
    const QString refused = SubmitPrintJob(options->printer, request);
    if (!refused.isEmpty())
        return Fail(refused.toStdString(), kExitWriteFailed);
    return kExitDone;
}

} // namespace quorvane::cli
