#include "cli/Commands.h"

#include <iostream>

#include <QString>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
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
    const LoadedPicture page = LoadPicture(request->page);
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
