// quorvane-cli: every step from picture to page without a window.
#include <iostream>

#include <QGuiApplication>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/HeadlessPlatform.h"

using namespace quorvane::cli;

int main(int argc, char** argv)
{
    std::string error;
    const auto args = ParseCliArgs(argc, argv, kFlagNames, error);
    if (!args)
        return UsageError(error);
    if (args->HasFlag("help")) {
        std::cout << UsageText(args->command); // of one command when it names one
        return kExitDone;
    }
    if (args->HasFlag("version")) {
        std::cout << "quorvane-cli " QUORVANE_VERSION "\n";
        return kExitDone;
    }

    // A GUI application object without a window: needed for fonts, images and OpenGL. It is
    // given only the program's name: the toolkit's own options (-platform, -plugin, ...) would
    // choose the platform and open devices; here they are unknown options.
    PrepareHeadlessPlatform();
    int toolkitArgc = 1;
    QGuiApplication app(toolkitArgc, argv);

    if (args->command == "generate")
        return RunGenerate(*args);
    if (args->command == "corners")
        return RunCorners(*args);
    if (args->command == "reproject")
        return RunReproject(*args);
    if (args->command == "simulate")
        return RunSimulate(*args);
    if (args->command == "setup")
        return RunSetup(*args);
    if (args->command == "detect")
        return RunDetect(*args);
    if (args->command == "print")
        return RunPrint(*args);
    return UsageError("unknown command '" + args->command + "'");
}
