// quorvane-cli: every step from picture to page without a window.
#include <cstring>
#include <iostream>

#include <QGuiApplication>

#include "cli/Commands.h"
#include "cli/HeadlessPlatform.h"

using namespace quorvane::cli;

namespace {

// Whether any word is the option, long or short: --help and --version need no command.
bool HasOption(int argc, char** argv, const char* longName, const char* shortName)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], longName) == 0 || std::strcmp(argv[i], shortName) == 0)
            return true;
    }
    return false;
}

int UsageError(const std::string& message)
{
    std::cerr << "quorvane-cli: " << message << "\n\n" << UsageText();
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    if (HasOption(argc, argv, "--help", "-h")) {
        std::cout << UsageText();
        return kExitDone;
    }
    if (HasOption(argc, argv, "--version", "-v")) {
        std::cout << "quorvane-cli " QUORVANE_VERSION "\n";
        return kExitDone;
    }
    std::string error;
    const auto args = ParseCliArgs(argc, argv, kFlagNames, error);
    if (!args)
        return UsageError(error);

    // A GUI application object without a window: needed for fonts, images and OpenGL.
    PrepareHeadlessPlatform();
    QGuiApplication app(argc, argv);

    if (args->command == "generate")
        return RunGenerate(*args);
    if (args->command == "corners")
        return RunCorners(*args);
    if (args->command == "reproject")
        return RunReproject(*args);
    if (args->command == "simulate")
        return RunSimulate(*args);
    if (args->command == "detect")
        return RunDetect(*args);
    return UsageError("unknown command '" + args->command + "'");
}
