#include "app/shell/CommandLine.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include <QFileInfo>
#include <QtGlobal>

namespace quorvane {

namespace {

const char* const kUsage =
    "Usage: quorvane [OPTION]... [PICTURE | LAYOUT.quorvane]\n"
    "Turns a picture into a printable page for a 3D drawing illusion.\n"
    "Opens PICTURE (PNG, JPG, GIF, BMP or TIF) or a saved layout at start-up, or else the\n"
    "sample picture.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "  --             take the next word as the picture, even when it starts with '-'\n"
    "\n"
    "Qt's window options (-platform NAME, -style NAME, -geometry WxH+X+Y, -reverse, ...)\n"
    "are accepted too. The headless tool is quorvane-cli.\n";

// Options of Qt's application objects, which take them out of argv themselves.
constexpr std::array<std::string_view, 12> kQtValueOptions{
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"};
constexpr std::array<std::string_view, 5> kQtFlagOptions{"reverse", "widgetcount", "nograb", "dograb",
                                                         "sync"};

bool Contains(const auto& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// How many words Qt's option `word` takes with its value (1 or 2); 0 when it is no option of Qt's.
int QtOptionWords(std::string_view word)
{
    std::string_view name = word;
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    const auto eq = name.find('=');
    if (eq != std::string_view::npos)
        return Contains(kQtValueOptions, name.substr(0, eq)) ? 1 : 0;
    if (Contains(kQtFlagOptions, name))
        return 1;
    return Contains(kQtValueOptions, name) ? 2 : 0;
}

// The value of Qt's option `name` when `word` is that option ("-platform x", "--platform=x").
std::string_view QtOptionValue(std::string_view word, std::string_view name, int words, std::string_view next)
{
    word.remove_prefix(word.starts_with("--") ? 2 : 1);
    if (words == 2)
        return word == name ? next : std::string_view();
    const auto eq = word.find('=');
    return eq != std::string_view::npos && word.substr(0, eq) == name ? word.substr(eq + 1) : std::string_view();
}

bool EnvironmentHas(const char* name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

// DISPLAY names a reachable X server: a local one (":N" or "unix:N") by its socket; a
// remote one is taken on trust.
bool XDisplayReachable()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return false;
    const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
    const QString host = display.left(colon);
    if (!host.isEmpty() && host != QLatin1String("unix"))
        return true;
    const QString number = display.mid(colon + 1).section(QLatin1Char('.'), 0, 0);
    return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number);
}

void Fail(CommandLine& line, const std::string& error)
{
    if (line.error.empty())
        line.error = error;
}

} // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv)
{
    CommandLine line;
    bool onlyPictures = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word(argv[i]);
        if (onlyPictures || !word.starts_with('-')) {
            if (!line.picture.isEmpty())
                Fail(line, "only one picture can be opened");
            line.picture = QString::fromLocal8Bit(argv[i]);
        } else if (word == "--") {
            onlyPictures = true;
        } else if (word == "--help" || word == "-h") {
            return {CommandLine::Action::Help, {}, {}, {}};
        } else if (word == "--version" || word == "-v") {
            return {CommandLine::Action::Version, {}, {}, {}};
        } else if (const int words = QtOptionWords(word); words > 0) {
            if (i + words > argc)
                Fail(line, "option " + std::string(word) + " needs a value");
            else if (const std::string_view value = QtOptionValue(word, "platform", words, argv[i + words - 1]);
                     !value.empty())
                line.platform = value;
            i += words - 1;
        } else {
            Fail(line, "unknown option '" + std::string(word) + "'");
        }
    }
    if (!line.error.empty())
        line.action = CommandLine::Action::BadUsage;
    return line;
}

int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        out << kUsage;
        return 0;
    case CommandLine::Action::Version:
        out << "quorvane " QUORVANE_VERSION "\n";
        return 0;
    case CommandLine::Action::BadUsage:
        err << "quorvane: " << line.error << "\n\n" << kUsage;
        return 1;
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

bool DisplayReachable(const CommandLine& line)
{
    const QString platform = !line.platform.empty() ? QString::fromStdString(line.platform)
                                                    : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        return XDisplayReachable() || EnvironmentHas("WAYLAND_DISPLAY");
    if (platform.startsWith(QLatin1String("xcb")))
        return XDisplayReachable();
    if (platform.startsWith(QLatin1String("wayland")))
        return EnvironmentHas("WAYLAND_DISPLAY");
    return true;
}

int AnswerNoDisplay(std::ostream& err)
{
    err << "No display: the desktop program needs one; quorvane-cli makes pages without one.\n";
    return 1;
}

} // namespace quorvane
