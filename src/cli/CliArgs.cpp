#include "cli/CliArgs.h"

#include <algorithm>

#include "core/shell/PageResolution.h"

namespace quorvane::cli {

bool CliArgs::HasFlag(const std::string& name) const
{
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::optional<std::string> CliArgs::Option(const std::string& name) const
{
    const auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

std::optional<CliArgs> ParseCliArgs(int argc, const char* const* argv,
                                    const std::vector<std::string>& flagNames, std::string& error)
{
    CliArgs args;
    if (argc < 2) {
        error = "no command given";
        return std::nullopt;
    }
    args.command = argv[1];
    if (args.command.rfind('-', 0) == 0) {
        error = "unknown option '" + args.command + "'";
        return std::nullopt;
    }
    for (int i = 2; i < argc; ++i) {
        std::string word = argv[i];
        if (word.rfind("--", 0) != 0 && word != "-o") {
            args.positionals.push_back(word);
            continue;
        }
        // "-o" is short for "--output".
        std::string name = word == "-o" ? "output" : word.substr(2);
        const auto eq = name.find('=');
        if (eq != std::string::npos) {
            args.options[name.substr(0, eq)] = name.substr(eq + 1);
            continue;
        }
        if (std::find(flagNames.begin(), flagNames.end(), name) != flagNames.end()) {
            args.flags.push_back(name);
            continue;
        }
        if (i + 1 >= argc) {
            error = "option --" + name + " needs a value";
            return std::nullopt;
        }
        args.options[name] = argv[++i];
    }
    return args;
}

std::string UsageText()
{
    const std::string dpis = PageDpiList(QStringLiteral("|"), QStringLiteral("|")).toStdString();
    return "Usage:\n"
           "  quorvane-cli generate -o PAGE.(png|jpg|gif|bmp) [--picture FILE] [--style 6|4.1|4.2]\n"
           "               [--distance CM] [--angle DEG] [--height CM] [--fov DEG] [--view WxH]\n"
           "               [--canvas WxH] [--placement X1,Y1,X2,Y2] [--default-paper]\n"
           "               [--mapping bilinear|exact] [--composite VIEW.png] [--dpi " + dpis + "]\n"
           "  quorvane-cli generate -o PAGE.(png|jpg|gif|bmp) --layout FILE.quorvane\n"
           "               [--mapping bilinear|exact] [--dpi " + dpis + "]\n"
           "  quorvane-cli corners [--style S] [--distance CM] [--angle DEG] [--height CM] [--fov DEG]\n"
           "               [--view WxH]\n"
           "  quorvane-cli reproject SRC DST --quad X1,Y1,X2,Y2,X3,Y3,X4,Y4 [--mapping bilinear|exact]\n"
           "  quorvane-cli simulate PAGE -o VIEW.png [--style S] [--distance CM] [--angle DEG]\n"
           "               [--height CM] [--fov DEG] [--view WxH]\n"
           "  quorvane-cli detect PHOTO [--style S]\n"
           "  quorvane-cli --help | --version\n"
           "\n"
           "generate   makes the printable page from a picture or a saved layout, as the desktop\n"
           "           program does; --composite also draws what the camera should see of it: the\n"
           "           picture over the paper in the designer's view; --dpi makes the page at\n"
           "           " + PageDpiList(QStringLiteral(", "), QStringLiteral(" or ")).toStdString() + " dpi ("
           + std::to_string(kDefaultPageDpi) + " by default)\n"
           "corners    prints where the paper's six corners fall in the designer's view (JSON)\n"
           "reproject  re-projects a quadrilateral of SRC onto the whole of DST's size\n"
           "simulate   renders what the designer's camera sees of PAGE printed on the paper\n"
           "detect     finds the laid-out paper's corners in a photo of it and the camera that took\n"
           "           it (JSON: corners in photo pixels, distance and height in cm, angle and fov in\n"
           "           degrees, the largest corner error in pixels); exit 2 when no paper is found\n"
           "\n"
           "--mapping  bilinear (the default) interpolates between the sheet's corners; exact maps\n"
           "           the page by the perspective through them, as the camera sees the sheet\n"
           "\n"
           "Exit status: 0 done, 1 bad usage, 2 bad input, 3 the output could not be written.\n";
}

} // namespace quorvane::cli
