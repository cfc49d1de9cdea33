#pragma once

#include <QSizeF>

#include "core/shell/CanvasPaper.h"

namespace quorvane {

// Fits PaperPoint into a canvas of the given inner size at 95 % of the tighter direction,
// centred, into `paper`. Unless KeepPlacement is set, the document's placement is moved and
// scaled with the paper about its corner 0.
void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement);

} // namespace quorvane
