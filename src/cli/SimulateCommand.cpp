#include "cli/Commands.h"

#include <iostream>

#include <QFileInfo>
#include <QString>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
#include "core/output/SaveNames.h"
#include "core/output/SheetAssembly.h"
#include "core/shell/PictureLoader.h"
#include "scene/OffscreenView.h"

namespace quorvane::cli {

namespace {

struct SimulateRequest {
    QString page;
    QString output;
    DesignerRequest designer;
};

std::optional<SimulateRequest> ReadRequest(const CliArgs& args, std::string& error)
{
    std::set<std::string> known(kDesignerOptionNames.begin(), kDesignerOptionNames.end());
    known.insert("output");
    error = UnknownOption(args, known);
    if (!error.empty())
        return std::nullopt;
    const auto output = args.Option("output");
    if (args.positionals.size() != 1)
        error = "simulate needs one page file";
    else if (!output || output->empty())
        error = "simulate needs an output file: -o VIEW.png";
    if (!error.empty())
        return std::nullopt;
    const auto designer = DesignerRequestFromArgs(args, error);
    if (!designer)
        return std::nullopt;
    return SimulateRequest{QString::fromStdString(args.positionals.front()), QString::fromStdString(*output),
                           *designer};
}

// The page to show: the file itself, or for a grid whose page was written as sheets
// (NAME-Cc-Rr.png for NAME.png) those sheets laid back together, marks and all, as the
// user tapes them. Missing sheets were left out blank; the sheets' size tells the resolution.
LoadedPicture LoadShownPage(const QString& file, const Paper& paper)
{
    if (paper.Grid.IsSingle() || QFileInfo::exists(file))
        return LoadPicture(file);
    const QString missing = QStringLiteral("%1 was not found, nor the sheets it was cut into (%2)")
                                .arg(file, SheetFileName(file, 0, 0));
    QString problem;
    const auto load = [&](const GridSheet& sheet) -> QImage {
        const QString name = SheetFileName(file, sheet.Column, sheet.Row);
        if (!problem.isEmpty() || !QFileInfo::exists(name))
            return {};
        LoadedPicture loaded = LoadPicture(name);
        problem = loaded.error;
        return loaded.image;
    };
    QImage first;
    const std::optional<GridOnPage> smallest = paper.GridAt(kPageDpis[0]);
    for (const GridSheet& sheet : smallest ? SheetsOf(*smallest) : std::vector<GridSheet>{}) {
        first = load(sheet);
        if (!first.isNull() || !problem.isEmpty())
            break;
    }
    if (!problem.isEmpty())
        return {{}, problem};
    if (first.isNull())
        return {{}, missing};
    const QString wrongSize = QStringLiteral("the sheets of %1 are not all the size of a %2 sheet at one resolution")
                                  .arg(file, FormatTitle(paper.Format));
    const std::optional<int32_t> dpi = SheetDpiOf(paper, first.size());
    const std::optional<GridOnPage> grid = dpi ? paper.GridAt(*dpi) : std::nullopt;
    const LaidSheets laid = grid ? LaySheetsTogether(*grid, load) : LaidSheets{};
    if (!problem.isEmpty())
        return {{}, problem};
    if (laid.page.isNull())
        return {{}, wrongSize};
    return {laid.page, {}};
}

} // namespace

int RunSimulate(const CliArgs& args)
{
    std::string error;
    const auto request = ReadRequest(args, error);
    if (!request)
        return UsageError(error);
    if (const std::string same = SameFileProblem({{"the page", request->page}}, {{"-o", request->output}});
        !same.empty())
        return UsageError(same);
    const LoadedPicture page = LoadShownPage(request->page, request->designer.paper);
    if (page.image.isNull())
        return Fail(page.error.toStdString(), kExitBadInput);
    OffscreenView view(request->designer.view);
    if (!view.IsValid())
        return Fail(view.Error().toStdString(), kExitBadInput);
    view.SetPage(page.image);
    view.Display(request->designer.camera.Camera(), request->designer.paper);
    for (const QString& message : view.Messages())
        std::cerr << "quorvane-cli: " << message.toStdString() << "\n";
    return ExitCodeOf(WriteResultImage(view.Grab(), request->output));
}

} // namespace quorvane::cli
