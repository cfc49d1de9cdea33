#pragma once

// The desktop program's command line, read before the application object is made, so
// --help, --version and bad usage are answered without a display.

#include <iosfwd>
#include <string>

#include <QString>

namespace quorvane {

struct CommandLine {
    enum class Action { Run, Help, Version, BadUsage };
    Action action = Action::Run;
    QString picture;      // a picture or layout opened at start-up; empty for the sample picture
    std::string error;    // what was wrong, for BadUsage
    std::string platform; // Qt's -platform option, when given
};

// Reads argv: at most one PICTURE, --help (-h), --version (-v), "--" before a picture whose
// name starts with '-', and Qt's own window options, which are left to the application
// object. --help and --version win over anything else before "--".
CommandLine ReadCommandLine(int argc, const char* const* argv);

// Answers every action but Run: help or version on `out`, or the error and the usage on
// `err`. Returns the exit status: 0, or 1 for bad usage.
int AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err);

// Whether the window system the program would use can be reached: the toolkit ends the
// program with an abort when it cannot connect. The platform is -platform, else
// QT_QPA_PLATFORM; X11 needs DISPLAY (a local one its server's socket), Wayland
// WAYLAND_DISPLAY, and without a platform named either will do. Other platforms need none.
bool DisplayReachable(const CommandLine& line);

// Says on `err` that the desktop program needs a display; returns the exit status 1.
int AnswerNoDisplay(std::ostream& err);

} // namespace quorvane
