#pragma once

// The main window's commands: ids, captions, tooltips and shortcuts, in the order each
// place shows them: the toolbar, the Help drop-down, the canvas's right-click menu and
// the menu bar. A caption's "..." (the command asks for more before it acts) is left off
// on the toolbar.

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
    ID_OPEN_LAYOUT = 1040,
    ID_SAVE_LAYOUT = 1041,
    ID_UNDO = 1042,
    ID_REDO = 1043,
    ID_RESOLUTION = 1044, // a drop-down of the page resolutions, one checked
    ID_NEW = 1045,
    ID_OPEN_RECENT = 1046, // a submenu of the pictures and layouts opened or saved lately
    ID_SAVE_LAYOUT_AS = 1047,
    ID_QUIT = 1048,
    ID_FROM_PHOTO = 1049, // the paper outline from a photo of the laid-out paper
    ID_PAGE_MARKS = 1050, // checkable: fold ticks and a scale bar on the page
};

// In a menu's list of ids: a separator.
inline constexpr int kMenuSeparator = 0;

struct CommandEntry {
    int id;
    const char* caption;
    const char* tooltip;
    const char* shortcut; // the keys, "; " between two; empty when none
    bool separatorBefore;
};

// The toolbar, left to right; the last entry is the "Help" drop-down button.
std::span<const CommandEntry> ToolbarCommands();

// The entries of the "Help" drop-down, top to bottom.
std::span<const CommandEntry> HelpMenuCommands();

// The canvas's right-click menu, top to bottom.
std::span<const CommandEntry> CanvasMenuCommands();

// The commands only the menu bar shows.
std::span<const CommandEntry> MenuBarCommands();

// A menu of the menu bar: its title (with its Alt key marked by '&') and its commands by
// id, top to bottom, kMenuSeparator between groups.
struct MenuDefinition {
    const char* title;
    std::span<const int> ids;
};

// The menu bar, left to right; every command of the lists above is in one of its menus.
std::span<const MenuDefinition> MenuBarMenus();

// The entry of this id: the toolbar's, else the first other list's that has it; null when
// no list has it.
const CommandEntry* FindCommand(int id);

} // namespace quorvane
