#include "core/editor/PaperFitting.h"

#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

// Maps PaperPoint into the canvas; false when the paper or the canvas is degenerate.
bool FitOutline(const Document& doc, CanvasPaper& paper, QSizeF canvas)
{
    const std::optional<CanvasFit> fit = CanvasFitOf(doc, canvas);
    if (!fit)
        return false;
    for (size_t i = 0; i < paper.CanvasOutline.size(); ++i) {
        const auto x = RoundHalfEven(doc.Outline.PaperPoint[i].x() * fit->scale + fit->offset.x());
        const auto y = RoundHalfEven(doc.Outline.PaperPoint[i].y() * fit->scale + fit->offset.y());
        if (x && y)
            paper.CanvasOutline[i] = QPoint(*x, *y);
    }
    const Outline& o = paper.CanvasOutline;
    paper.CanvasQuadA = {o[0], o[1], o[2], o[5]};
    paper.CanvasQuadB = {o[5], o[2], o[3], o[4]};
    return true;
}

} // namespace

std::optional<CanvasFit> CanvasFitOf(const Document& doc, QSizeF canvas)
{
    const int32_t PaperWidth = doc.Outline.PaperWidth();
    const int32_t PaperHeight = doc.Outline.PaperHeight();
    const auto a = Divide(canvas.width(), PaperWidth);
    const auto b = Divide(canvas.height(), PaperHeight);
    if (!a || !b)
        return std::nullopt;
    const double k = (*b < *a ? *b : *a) * 0.95;
    const auto ox = RoundHalfEven((canvas.width() - PaperWidth * k) / 2.0);
    const auto oy = RoundHalfEven((canvas.height() - PaperHeight * k) / 2.0);
    if (!ox || !oy)
        return std::nullopt;
    return CanvasFit{k, QPointF(*ox, *oy)};
}

void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement)
{
    const Placement before = PlacementOnCanvas(doc, paper);
    if (!FitOutline(doc, paper, canvas))
        return;
    if (KeepPlacement)
        SetPlacement(doc, paper, before);
}

} // namespace quorvane
