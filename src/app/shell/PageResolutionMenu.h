#pragma once

// "Page Resolution" on the main window's toolbar: a drop-down with one radio item per page
// resolution ("300 dpi", say), each carrying its resolution as data.

#include <cstdint>
#include <functional>

class QAction;
class QToolBar;

namespace quorvane {

// Adds the drop-down to `bar` before `before` (at the end when null), with the item of
// PageDpi checked; choosing an item calls `chosen` with its resolution. Returns the
// drop-down's action, whose menu holds the items.
QAction* AddPageResolutionMenu(QToolBar& bar, QAction* before, int32_t PageDpi,
                               const std::function<void(int32_t)>& chosen);

} // namespace quorvane
