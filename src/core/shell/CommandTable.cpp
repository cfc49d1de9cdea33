#include "core/shell/CommandTable.h"

namespace quorvane {

namespace {

constexpr CommandEntry kToolbar[] = {
    {ID_OPEN, "Open", "Open an image file [Ctrl+O]", "Ctrl+O", false},
    {ID_SWITCH, "Edit Mode", "Switch Edit/Preview Mode [Ctrl+E]", "Ctrl+E", false},
    {ID_PAPER, "Design", "Design Paper [Ctrl+D]", "Ctrl+D", false},
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
    {ID_SAVE_LAYOUT, "Save Layout...", "Save the layout [Ctrl+S]", "Ctrl+S", false},
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

} // namespace quorvane
