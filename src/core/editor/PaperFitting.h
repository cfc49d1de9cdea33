#pragma once

#include <QSizeF>

#include "core/shell/CanvasPaper.h"

namespace quorvane {

// Fits PaperPoint into a canvas of the given inner size at 95 % of the tighter direction,
// centred, into `paper`. The picture then lies on the paper where it lay before, moved and
// scaled with it about corner 0 (nothing in the document changes); with KeepPlacement it
// keeps its rectangle on the canvas instead, now measured against the new fit.
void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement);

} // namespace quorvane
