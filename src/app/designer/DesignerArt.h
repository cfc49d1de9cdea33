#pragma once

// The designer's own pictures, drawn in code: the two view pointers and the pictures on
// the three style buttons.

#include <QCursor>
#include <QIcon>

#include "core/shell/PageStyle.h"

namespace quorvane {

// A circular arrow: turning the paper or raising the eye. Hot spot (7, 8).
QCursor RotateCursor();
// A magnifying glass: moving the eye nearer or farther. Hot spot (6, 6).
QCursor MagnifierCursor();
// The paper folded into an L, lying flat or standing upright, as the style's button shows it.
QIcon StyleIcon(PaperLayout layout);

} // namespace quorvane
