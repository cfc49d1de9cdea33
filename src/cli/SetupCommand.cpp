#include "cli/Commands.h"

#include <iostream>

#include "cli/CommandSupport.h"
#include "cli/DesignerPaper.h"
#include "core/designer/CameraSetup.h"

namespace quorvane::cli {

// The designer's options without the view: where the camera stands needs no rendering.
int RunSetup(const CliArgs& args)
{
    std::set<std::string> known(kDesignerOptionNames.begin(), kDesignerOptionNames.end());
    known.erase("view");
    std::string error = UnknownOption(args, known);
    if (error.empty() && (!args.flags.empty() || !args.positionals.empty()))
        error = "setup takes only --style, --paper, --sheets, --glue, --distance, --angle, --height and --fov";
    const std::optional<DesignerRequest> request = error.empty() ? DesignerRequestFromArgs(args, error) : std::nullopt;
    if (!request)
        return UsageError(error);
    std::cout << SetupJson(SetupOf(request->paper, request->camera.Camera())).toStdString() << "\n";
    return kExitDone;
}

} // namespace quorvane::cli
