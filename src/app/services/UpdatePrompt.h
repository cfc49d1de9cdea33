#pragma once

class QWidget;

namespace quorvane {

// The last step of start-up: when due, asks whether to visit the maker's website, opens
// the home page after a Yes, and remembers today's date in the user's settings file.
void UpdatePrompt(QWidget* parent);

} // namespace quorvane
