#pragma once

#include <optional>

#include <QPointF>
#include <QRectF>
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

// No value when the paper or the canvas is degenerate. A photo's outline is fitted with its
// photo: the whole photo scaled uniformly into the canvas, centred.
std::optional<CanvasFit> CanvasFitOf(const Document& doc, QSizeF canvas);

// Where a photo's outline puts its photo on the canvas; no value for another source.
std::optional<QRectF> PhotoOnCanvas(const PaperOutline& outline, QSizeF canvas);

// Fits PaperPoint into a canvas of the given inner size at 95 % of the tighter direction,
// centred, into `paper`. The picture then lies on the paper where it lay before, moved and
// scaled with it about corner 0 (nothing in the document changes); with KeepPlacement it
// keeps its rectangle on the canvas instead, now measured against the new fit.
void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement);

} // namespace quorvane
