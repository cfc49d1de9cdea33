#pragma once

#include <optional>

#include <QSizeF>

#include "core/shell/DocumentState.h"

namespace quorvane {

struct Placement {
    float X1 = 0.0f;
    float Y1 = 0.0f;
    float X2 = 0.0f;
    float Y2 = 0.0f;
};

// Where a newly loaded picture stands: half the canvas height, aspect kept, 45 % of the
// free width to its left and 75 % of the free height above it. No value for a picture
// without pixels.
std::optional<Placement> DefaultPlacement(QSizeF canvas, int32_t PictureWidth, int32_t PictureHeight);

// Computes the default placement for the document's picture and stores it into SelX1..SelY2.
// Leaves the placement unchanged when there is none.
void ApplyDefaultPlacement(DocumentState& doc, QSizeF canvas);

} // namespace quorvane
