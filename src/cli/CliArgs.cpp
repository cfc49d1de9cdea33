#include "cli/CliArgs.h"

#include <algorithm>
#include <cctype>

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

namespace {

// Short options: "-o" is "--output", "-h" and "-v" are "--help" and "--version".
std::optional<std::string> ShortOptionName(const std::string& word)
{
    if (word == "-o")
        return "output";
    if (word == "-h")
        return "help";
    if (word == "-v")
        return "version";
    return std::nullopt;
}

// A word that names an option, not a value: "--name" or "-x"; "-40" and "-.5" are numbers.
bool IsOptionWord(const std::string& word)
{
    if (word.size() < 2 || word[0] != '-')
        return false;
    return word[1] == '-' || !(std::isdigit(static_cast<unsigned char>(word[1])) || word[1] == '.');
}

// An option's value may start with '-' ("--angle -40"), but not be one of the option words a
// forgotten value would otherwise swallow ("--picture -h").
bool CanBeValue(const std::string& word)
{
    return word.rfind("--", 0) != 0 && !ShortOptionName(word);
}

} // namespace

std::optional<CliArgs> ParseCliArgs(int argc, const char* const* argv,
                                    const std::vector<std::string>& flagNames, std::string& error)
{
    CliArgs args;
    if (argc < 2) {
        error = "no command given";
        return std::nullopt;
    }
    // Only --help and --version go without a command.
    const std::string first = argv[1];
    const bool startsWithOption = IsOptionWord(first);
    if (startsWithOption && first != "--help" && first != "--version" && first != "-h" && first != "-v") {
        error = "unknown option '" + first + "'";
        return std::nullopt;
    }
    if (!startsWithOption)
        args.command = first;
    for (int i = startsWithOption ? 1 : 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (!IsOptionWord(word)) {
            args.positionals.push_back(word);
            continue;
        }
        const std::optional<std::string> shortName = ShortOptionName(word);
        if (!shortName && word.rfind("--", 0) != 0) {
            error = "unknown option '" + word + "'";
            return std::nullopt;
        }
        std::string name = shortName.value_or(word.substr(2));
        const auto eq = name.find('=');
        const bool isFlag = std::find(flagNames.begin(), flagNames.end(), name.substr(0, eq)) != flagNames.end();
        if (isFlag && eq != std::string::npos) {
            error = "option --" + name.substr(0, eq) + " takes no value";
            return std::nullopt;
        }
        if (isFlag)
            args.flags.push_back(name);
        else if (eq != std::string::npos)
            args.options[name.substr(0, eq)] = name.substr(eq + 1);
        else if (i + 1 < argc && CanBeValue(argv[i + 1]))
            args.options[name] = argv[++i];
        else {
            error = "option --" + name + " needs a value";
            return std::nullopt;
        }
    }
    return args;
}

namespace {

struct CommandUsage {
    const char* command;
    const char* usage;
};

constexpr CommandUsage kCommandUsages[] = {
    {"generate",
     "  quorvane-cli generate -o PAGE.(png|jpg|gif|bmp|pdf) [--picture FILE] [--style S]\n"
     "               [--paper a4|letter|a3] [--distance CM] [--angle DEG] [--height CM] [--fov DEG]\n"
     "               [--view WxH] [--canvas WxH] [--placement X1,Y1,X2,Y2] [--default-paper]\n"
     "               [--mapping bilinear|exact] [--composite VIEW.png] [--dpi DPIS]\n"
     "               [--marks] [--setup-sheet] [--sheets CxR] [--glue MM]\n"
     "  quorvane-cli generate -o PAGE.(png|jpg|gif|bmp|pdf) --photo PHOTO [--corners X1,Y1,...,X6,Y6]\n"
     "               [--picture FILE] [--style S] [--paper F] [--canvas WxH] [--placement X1,Y1,X2,Y2]\n"
     "               [--mapping bilinear|exact] [--composite VIEW.png] [--dpi DPIS] [--marks]\n"
     "               [--setup-sheet]\n"
     "  quorvane-cli generate -o PAGE.(png|jpg|gif|bmp|pdf) --layout FILE.quorvane\n"
     "               [--mapping bilinear|exact] [--dpi DPIS] [--marks] [--setup-sheet]\n"},
    {"corners",
     "  quorvane-cli corners [--style S] [--paper F] [--sheets CxR] [--glue MM] [--distance CM]\n"
     "               [--angle DEG] [--height CM] [--fov DEG] [--view WxH]\n"},
    {"reproject", "  quorvane-cli reproject SRC DST --quad X1,Y1,X2,Y2,X3,Y3,X4,Y4 [--mapping bilinear|exact]\n"},
    {"simulate",
     "  quorvane-cli simulate PAGE -o VIEW.png [--style S] [--paper F] [--distance CM] [--angle DEG]\n"
     "               [--height CM] [--fov DEG] [--view WxH] [--sheets CxR] [--glue MM]\n"},
    {"setup",
     "  quorvane-cli setup [--style S] [--paper F] [--distance CM] [--angle DEG] [--height CM]\n"
     "               [--fov DEG] [--sheets CxR] [--glue MM]\n"},
    {"detect", "  quorvane-cli detect PHOTO [--style S] [--paper F]\n"},
    {"print", "  quorvane-cli print PAGE --printer NAME [--copies N] [--fit] [--paper F]\n"},
};

const char* const kCommandsExplained =
    "generate   makes the printable page from a picture or a saved layout, as the desktop\n"
    "           program does; --composite also draws what the camera should see of it: the\n"
    "           picture over the paper in the designer's view; --dpi makes the page at one of\n"
    "           the resolutions DPIS dots per inch (the first by default); a .pdf page is the\n"
    "           paper's size and prints at actual size; with --photo the paper is where a photo\n"
    "           of it shows it (its corners found, or given by --corners as detect prints them),\n"
    "           the canvas shows the whole photo, the mapping is exact unless --mapping says\n"
    "           otherwise and --composite draws over the photo\n"
    "corners    prints where the paper's six corners fall in the designer's view (JSON)\n"
    "reproject  re-projects a quadrilateral of SRC onto the whole of DST's size\n"
    "simulate   renders what the designer's camera sees of PAGE printed on the paper; with\n"
    "           --sheets, PAGE may be the name generate cut into NAME-Cc-Rr sheets: they are\n"
    "           laid back together as they are taped\n"
    "setup      prints where the camera goes, in centimetres from the middle of the paper's\n"
    "           near edge, where it aims and its 35 mm focal length (JSON)\n"
    "detect     finds the laid-out paper's corners in a photo of it and the camera that took\n"
    "           it (JSON: corners in photo pixels, distance and height in cm, angle and fov in\n"
    "           degrees, the largest corner error in pixels); exit 2 when no paper is found\n"
    "print      prints a saved page at its own size, on the paper its size and resolution\n"
    "           name (--paper prints it on another); --fit shrinks it to the printer's\n"
    "           printable area; a page the printer's margin would cut is printed with a\n"
    "           warning; exit 3 when the printer is missing or refuses the job\n";

const char* const kOptionsExplained =
    "--style    the paper: lfold (folded into an L, the default), flat or upright; also 6, 4.1, 4.2\n"
    "--paper    the paper printed on: a4 (the default; for print, the page's own), letter or a3\n"
    "--distance the camera's distance and --height its height, in centimetres of the paper\n"
    "           as printed at actual size, as the designer's fields show them\n"
    "--sheets   a paper of C columns by R rows of sheets (1 to 6 each); --glue the margin in mm\n"
    "           (0-30, default 10) each sheet's right and bottom edge overlaps the next one by;\n"
    "           generate -o PIECE.pdf writes the assembly sheet and every printed sheet,\n"
    "           -o NAME.png writes NAME-Cc-Rr.png per printed sheet; blank sheets are left out\n"
    "--marks    draws fold ticks at the fold of an L-fold page and a 5 cm scale bar in a\n"
    "           corner left white, to check the printed size\n"
    "--setup-sheet  adds a second PDF page: where the camera goes, in a plan and a side\n"
    "           view with the figures of setup, and a 10 cm bar to check the printed size\n"
    "--mapping  bilinear (the default) interpolates between the sheet's corners; exact maps\n"
    "           the page by the perspective through them, as the camera sees the sheet\n"
    "Camera values are rounded to the designer's steps and must lie in its ranges: distance\n"
    "3.5-282.4 cm, angle -90-90 degrees, height 2.1-141.2 cm, field of view 5-90 degrees.\n";

const char* const kExitStatus = "Exit status: 0 done, 1 bad usage, 2 bad input, 3 the output could not be written\n"
                                "(for print: the printer is missing, cannot take the paper or refuses the job).\n";

} // namespace

std::string UsageText(const std::string& command)
{
    std::string text = "Usage:\n";
    bool known = false;
    for (const CommandUsage& usage : kCommandUsages) {
        if (command.empty() || command == usage.command) {
            text += usage.usage;
            known = true;
        }
    }
    if (!known)
        return UsageText();
    if (command.empty())
        text += std::string("  quorvane-cli --help | --version | COMMAND --help\n\n") + kCommandsExplained;
    text += "\n" + std::string(kOptionsExplained) + "\n" + kExitStatus;
    // The resolutions come from their one list.
    const std::string dpis = PageDpiList(QStringLiteral("|"), QStringLiteral("|")).toStdString();
    for (size_t at = text.find("DPIS"); at != std::string::npos; at = text.find("DPIS", at))
        text.replace(at, 4, dpis);
    return text;
}

} // namespace quorvane::cli
