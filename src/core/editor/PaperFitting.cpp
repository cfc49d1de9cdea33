#include "core/editor/PaperFitting.h"

#include <optional>

#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

// Length of the paper's horizontal reference edge on the canvas, by page style; 0 for a
// style that selects nothing.
double ReferenceLength(const Outline& outline, double PageStyle)
{
    switch (LayoutOf(PageStyle)) {
    case PaperLayout::LFold:
    case PaperLayout::Upright:
        return outline[1].x() - outline[0].x();
    case PaperLayout::Flat:
        return outline[5].x() - outline[2].x();
    case PaperLayout::None:
        break;
    }
    return 0.0;
}

struct Offsets {
    int32_t dx1, dy1, dx2, dy2;
};

std::optional<Offsets> PlacementOffsets(const Placement& place, QPoint corner)
{
    const auto dx1 = RoundHalfEven(double(place.SelX1) - corner.x());
    const auto dy1 = RoundHalfEven(double(place.SelY1) - corner.y());
    const auto dx2 = RoundHalfEven(double(place.SelX2) - corner.x());
    const auto dy2 = RoundHalfEven(double(place.SelY2) - corner.y());
    if (!dx1 || !dy1 || !dx2 || !dy2)
        return std::nullopt;
    return Offsets{*dx1, *dy1, *dx2, *dy2};
}

// Maps PaperPoint into the canvas; false when the paper or the canvas is degenerate.
bool FitOutline(const Document& doc, CanvasPaper& paper, QSizeF canvas)
{
    const auto a = Divide(canvas.width(), doc.PaperWidth);
    const auto b = Divide(canvas.height(), doc.PaperHeight);
    if (!a || !b)
        return false;
    const double k = (*b < *a ? *b : *a) * 0.95;
    const auto ox = RoundHalfEven((canvas.width() - doc.PaperWidth * k) / 2.0);
    const auto oy = RoundHalfEven((canvas.height() - doc.PaperHeight * k) / 2.0);
    if (!ox || !oy)
        return false;
    for (size_t i = 0; i < paper.CanvasOutline.size(); ++i) {
        const auto x = RoundHalfEven(doc.PaperPoint[i].x() * k + *ox);
        const auto y = RoundHalfEven(doc.PaperPoint[i].y() * k + *oy);
        if (x && y)
            paper.CanvasOutline[i] = QPoint(*x, *y);
    }
    const Outline& o = paper.CanvasOutline;
    paper.CanvasQuadA = {o[0], o[1], o[2], o[5]};
    paper.CanvasQuadB = {o[5], o[2], o[3], o[4]};
    return true;
}

} // namespace

void ResetPaper(Document& doc, CanvasPaper& paper, QSizeF canvas, bool KeepPlacement)
{
    // An outline never computed yet (corner 4 still at x 0) measures against the paper's width.
    const double refOld = paper.CanvasOutline[4].x() == 0
        ? double(doc.PaperWidth)
        : ReferenceLength(paper.CanvasOutline, doc.PageStyle);
    const auto offsets = PlacementOffsets(doc.Place, paper.CanvasOutline[0]);

    if (!FitOutline(doc, paper, canvas) || KeepPlacement || !offsets)
        return;

    // A zero reference length before the change would collapse the placement onto
    // corner 0: the placement then stays where it is.
    const auto r = Divide(ReferenceLength(paper.CanvasOutline, doc.PageStyle), refOld);
    if (!r)
        return;
    const QPoint corner = paper.CanvasOutline[0];
    doc.Place = {static_cast<float>(offsets->dx1 * *r + corner.x()), static_cast<float>(offsets->dy1 * *r + corner.y()),
                 static_cast<float>(offsets->dx2 * *r + corner.x()), static_cast<float>(offsets->dy2 * *r + corner.y())};
}

} // namespace quorvane
