#pragma once

#include <QSizeF>

#include "core/shell/DocumentState.h"

namespace quorvane {

// Fits PaperPoint into a canvas of the given inner size at 95 % of the tighter direction,
// centred; rebuilds CanvasOutline, CanvasQuadA and CanvasQuadB. Unless KeepPlacement is
// set, the placement is moved and scaled with the paper about its corner 0.
void ResetPaper(DocumentState& doc, QSizeF canvas, bool KeepPlacement);

} // namespace quorvane
