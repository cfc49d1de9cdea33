#include "core/shell/CommandTable.h"

namespace quorvane {

namespace {

constexpr CommandEntry kToolbar[] = {
    {ID_OPEN, "Open", "Open an image file [Ctrl+O]", "Ctrl+O", false},
    {ID_SWITCH, "Edit Mode", "Switch Edit/Preview Mode [Ctrl+E]", "Ctrl+E", false},
    {ID_PAPER, "Design", "Design Paper [Ctrl+D]", "Ctrl+D", false},
    {ID_GENERATE, "Generate", "Generate [Ctrl+G]", "Ctrl+G", false},
    {ID_EXACT, "Exact Perspective", "Exact Perspective: map each sheet as the camera sees it", "", false},
    {ID_HELP, "Help", "Show the user guide [F1]", "F1", true},
};

constexpr CommandEntry kHelpMenu[] = {
    {ID_HELP, "Help Contents", "Help", "", false},
    {ID_WEBSITE, "Home Page", "Website", "", false},
    {ID_DOWNLOADFREEOBJECTS, "Download Free Objects", "Download Free Objects", "", false},
    {ID_ABOUT, "About", "About", "", true},
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

} // namespace quorvane
