#include "core/shell/CommandTable.h"

namespace quorvane {

namespace {

constexpr CommandEntry kToolbar[] = {
    {ID_OPEN, "Open...", "Open an image file [Ctrl+O]", "Ctrl+O", false},
    {ID_SWITCH, "Edit Mode", "Switch Edit/Preview Mode [Ctrl+E]", "Ctrl+E", false},
    {ID_PAPER, "Design...", "Design Paper [Ctrl+D]", "Ctrl+D", false},
    {ID_FROM_PHOTO, "From Photo...", "Paper from a photo of the laid-out paper [Ctrl+Shift+D]", "Ctrl+Shift+D", false},
    {ID_GENERATE, "Generate", "Generate [Ctrl+G]", "Ctrl+G", false},
    {ID_EXACT, "Exact Perspective", "Exact Perspective: map each sheet as the camera sees it", "", false},
    {ID_RESOLUTION, "Page Resolution", "Page Resolution: the dots per inch of the page Generate makes", "", false},
    {ID_HELP, "Help", "Show the user guide [F1]", "F1", true},
};

constexpr CommandEntry kHelpMenu[] = {
    {ID_HELP, "Help Contents", "Help", "", false},
    {ID_WEBSITE, "Home Page", "Website", "", false},
    {ID_DOWNLOADFREEOBJECTS, "Download Free Objects", "Download Free Objects", "", false},
    {ID_ABOUT, "About", "About", "", true},
};

constexpr CommandEntry kCanvasMenu[] = {
    {ID_UNDO, "Undo", "Undo", "Ctrl+Z", false},
    {ID_REDO, "Redo", "Redo", "Ctrl+Shift+Z; Ctrl+Y", false},
    {ID_OPEN_LAYOUT, "Open Layout...", "Open a saved layout [Ctrl+Shift+O]", "Ctrl+Shift+O", true},
    {ID_SAVE_LAYOUT, "Save Layout", "Save the layout to its file, or under a name when it has none [Ctrl+S]", "Ctrl+S", false},
};

constexpr CommandEntry kMenuBarOnly[] = {
    {ID_NEW, "New", "Start again from the sample picture [Ctrl+N]", "Ctrl+N", false},
    {ID_OPEN_RECENT, "Open Recent", "Open a picture or layout opened or saved lately", "", false},
    {ID_SAVE_LAYOUT_AS, "Save Layout As...", "Save the layout under a new name [Ctrl+Shift+S]", "Ctrl+Shift+S", false},
    {ID_QUIT, "Quit", "Quit Quorvane [Ctrl+Q]", "Ctrl+Q", false},
    {ID_PAGE_MARKS, "Page Marks", "Page Marks: fold ticks and a 5 cm scale bar on the page Generate makes", "", false},
};

constexpr int kFileMenu[] = {ID_NEW, ID_OPEN, ID_OPEN_RECENT, ID_OPEN_LAYOUT, kMenuSeparator,
                             ID_SAVE_LAYOUT, ID_SAVE_LAYOUT_AS, kMenuSeparator, ID_QUIT};
constexpr int kEditMenu[] = {ID_UNDO, ID_REDO, kMenuSeparator, ID_SWITCH};
constexpr int kPageMenu[] = {ID_PAPER, ID_FROM_PHOTO, ID_GENERATE, kMenuSeparator, ID_EXACT, ID_RESOLUTION, ID_PAGE_MARKS};
constexpr int kHelpMenuIds[] = {ID_HELP, kMenuSeparator, ID_WEBSITE, ID_DOWNLOADFREEOBJECTS, kMenuSeparator, ID_ABOUT};

constexpr MenuDefinition kMenuBar[] = {
    {"&File", kFileMenu},
    {"&Edit", kEditMenu},
    {"&Page", kPageMenu},
    {"&Help", kHelpMenuIds},
};

} // namespace

std::span<const CommandEntry> ToolbarCommands()
{
    return kToolbar;
}

std::span<const CommandEntry> HelpMenuCommands()
{
    return kHelpMenu;
}

std::span<const CommandEntry> CanvasMenuCommands()
{
    return kCanvasMenu;
}

std::span<const CommandEntry> MenuBarCommands()
{
    return kMenuBarOnly;
}

std::span<const MenuDefinition> MenuBarMenus()
{
    return kMenuBar;
}

const CommandEntry* FindCommand(int id)
{
    for (const std::span<const CommandEntry> list : {ToolbarCommands(), HelpMenuCommands(), CanvasMenuCommands(), MenuBarCommands()}) {
        for (const CommandEntry& entry : list) {
            if (entry.id == id)
                return &entry;
        }
    }
    return nullptr;
}

} // namespace quorvane
