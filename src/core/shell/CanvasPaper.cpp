#include "core/shell/CanvasPaper.h"

#include "core/shell/Numeric.h"

namespace quorvane {

double ReferenceLength(const Outline& outline, PaperLayout layout)
{
    switch (layout) {
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

Placement PlacementOnCanvas(const Document& doc, const CanvasPaper& paper)
{
    const Outline& from = doc.PlaceOutline;
    const Outline& to = paper.CanvasOutline;
    if (from == to)
        return doc.Place;
    const auto r = Divide(ReferenceLength(to, doc.Paper.Layout), ReferenceLength(from, doc.Paper.Layout));
    if (!r)
        return doc.Place;
    const auto x = [&](float v) { return static_cast<float>((double(v) - from[0].x()) * *r + to[0].x()); };
    const auto y = [&](float v) { return static_cast<float>((double(v) - from[0].y()) * *r + to[0].y()); };
    const Placement& p = doc.Place;
    return {x(p.SelX1), y(p.SelY1), x(p.SelX2), y(p.SelY2)};
}

void SetPlacement(Document& doc, const CanvasPaper& paper, const Placement& onCanvas)
{
    doc.Place = onCanvas;
    doc.PlaceOutline = paper.CanvasOutline;
}

} // namespace quorvane
