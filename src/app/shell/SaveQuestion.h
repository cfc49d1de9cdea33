#pragma once

// What comes before the work in hand is closed or replaced (the window closes, Quit, New,
// Open, Open Layout, Open Recent): unsaved changes ask whether to save them first.

#include <functional>

class QWidget;

namespace quorvane {

// Whether to go on. Nothing unsaved goes on without a question; Discard goes on; Save
// goes on only when `save` saved (a failed or cancelled save keeps everything); Cancel
// stays.
bool MayCloseWork(QWidget* parent, bool unsaved, const std::function<bool()>& save);

} // namespace quorvane
