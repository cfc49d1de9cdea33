#pragma once

// The main window's commands: ids, captions, tooltips and shortcuts, in toolbar order.

#include <span>

#include <QString>

namespace quorvane {

enum CommandId : int {
    ID_OPEN = 1020,
    ID_HELP = 1022,
    ID_FILE = 1027,
    ID_ABOUT = 1029,
    ID_WEBSITE = 1034,
    ID_GENERATE = 1035,
    ID_SWITCH = 1036,
    ID_PAPER = 1037,
    ID_DOWNLOADFREEOBJECTS = 1038,
    ID_EXACT = 1039, // checkable: the exact mapping instead of the bilinear one
};

struct CommandEntry {
    int id;
    const char* caption;
    const char* tooltip;
    const char* shortcut; // the key the tooltip advertises; empty when none
    bool separatorBefore;
};

// The toolbar, left to right; the last entry is the "Help" drop-down button.
std::span<const CommandEntry> ToolbarCommands();

// The entries of the "Help" drop-down, top to bottom.
std::span<const CommandEntry> HelpMenuCommands();

} // namespace quorvane
