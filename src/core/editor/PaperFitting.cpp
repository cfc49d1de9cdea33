#include "core/editor/PaperFitting.h"

#include <algorithm>

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

std::optional<QRectF> PhotoOnCanvas(const PaperOutline& outline, QSizeF canvas)
{
    const QSize photo = outline.View;
    if (outline.Source != OutlineSource::Photo || photo.isEmpty() || canvas.isEmpty())
        return std::nullopt;
    const double k = std::min(canvas.width() / photo.width(), canvas.height() / photo.height());
    const QSizeF size(photo.width() * k, photo.height() * k);
    return QRectF(QPointF((canvas.width() - size.width()) / 2.0, (canvas.height() - size.height()) / 2.0), size);
}

std::optional<CanvasFit> CanvasFitOf(const Document& doc, QSizeF canvas)
{
    if (doc.Outline.Source == OutlineSource::Photo) {
        // The whole photo fills the canvas; each outline point lies where its marker pixel's
        // centre lies in the photo (the designer's convention, see PhotoOutline).
        const std::optional<QRectF> photo = PhotoOnCanvas(doc.Outline, canvas);
        if (!photo)
            return std::nullopt;
        const double k = photo->width() / doc.Outline.View.width();
        const QPointF marker = QPointF(doc.Outline.ViewOrigin) + QPointF(0.5, -0.5);
        return CanvasFit{k, photo->topLeft() + marker * k};
    }
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
