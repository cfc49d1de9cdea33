#pragma once

#include <optional>

#include <QSizeF>

#include "core/shell/CanvasPaper.h"

namespace quorvane {

// Where a newly loaded picture stands: half the canvas height, aspect kept, 45 % of the
// free width to its left and 75 % of the free height above it. No value for a picture
// without pixels.
std::optional<Placement> DefaultPlacement(QSizeF canvas, int32_t PictureWidth, int32_t PictureHeight);

// Places the document's picture by the default rule on this canvas; leaves the placement
// unchanged when there is none.
void ApplyDefaultPlacement(Document& doc, const CanvasPaper& paper, QSizeF canvas);

} // namespace quorvane
