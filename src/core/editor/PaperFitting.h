#pragma once

#include <optional>

#include <QPointF>
#include <QSizeF>

#include "core/shell/CanvasPaper.h"

namespace quorvane {

// How PaperPoint is fitted into a canvas: canvas = round(paper * scale + offset).
struct CanvasFit {
    double scale = 0.0;
    QPointF offset;

    // A canvas point back in PaperPoint's pixels, before the rounding.
    QPointF ToPaper(QPointF canvas) const { return (canvas - offset) / scale; }
};

// No value when the paper or the canvas is degenerate.
std::optional<CanvasFit> CanvasFitOf(const Document& doc, QSizeF canvas);

// Fits PaperPoint into a canvas of the given inner size at 95 % of the tighter direction,
// centred, into `paper`. Unless KeepPlacement is set, the document's placement is moved and
// scaled with the paper about its corner 0.
void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement);

} // namespace quorvane
