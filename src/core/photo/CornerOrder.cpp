#include "core/photo/CornerOrder.h"

#include <algorithm>

#include "core/photo/ImageLines.h"

namespace quorvane {

namespace {

// Twice the signed area; positive when the polygon turns clockwise on screen (y down).
double TurnArea(const std::vector<QPointF>& polygon)
{
    double area = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const QPointF& p = polygon[i];
        const QPointF& q = polygon[(i + 1) % polygon.size()];
        area += p.x() * q.y() - q.x() * p.y();
    }
    return area;
}

// The index of the edge (from vertex i to i + 1) lying highest or lowest on screen.
size_t EdgeBy(const std::vector<QPointF>& polygon, bool highest)
{
    size_t best = 0;
    double bestY = 0.0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const double y = polygon[i].y() + polygon[(i + 1) % polygon.size()].y();
        if (i == 0 || (highest ? y < bestY : y > bestY)) {
            best = i;
            bestY = y;
        }
    }
    return best;
}

// Five vertices 0, 1, a, b, c of an L-folded paper: the fold end missing on the side that
// looks straight, put back where the fold crosses it.
std::optional<PhotoPoints> WithMissingFoldEnd(const std::vector<QPointF>& v)
{
    // The near edge is the lowest: from v[2] when the right fold end is missing (0, 1, 3, 4,
    // 5), from v[3] when the left one is (0, 1, 2, 3, 4).
    const size_t nearEdge = EdgeBy(v, false);
    if (nearEdge != 2 && nearEdge != 3)
        return std::nullopt;
    const int missing = nearEdge == 2 ? 2 : 5;
    const std::array<int, 5> numbers = missing == 2 ? std::array{0, 1, 3, 4, 5} : std::array{0, 1, 2, 3, 4};
    PhotoPoints c;
    for (size_t i = 0; i < numbers.size(); ++i)
        c[size_t(numbers[i])] = v[i];
    const ImagePoint3 vanishing = Meet(LineThrough(c[0], c[1]), LineThrough(c[4], c[3]));
    const ImageLine side = missing == 2 ? LineThrough(c[1], c[3]) : LineThrough(c[4], c[0]);
    const std::optional<QPointF> end = FoldEnd(side, side, side, c[size_t(7 - missing)], vanishing);
    if (!end)
        return std::nullopt;
    c[size_t(missing)] = *end;
    return c;
}

} // namespace

std::vector<int> ClockwiseCorners(PaperLayout layout)
{
    switch (layout) {
    case PaperLayout::LFold:
        return {0, 1, 2, 3, 4, 5};
    case PaperLayout::Flat:
        return {5, 2, 3, 4};
    case PaperLayout::Upright:
        return {0, 1, 2, 5};
    case PaperLayout::None:
        break;
    }
    return {};
}

void FillSharedCorners(PhotoPoints& corners, PaperLayout layout)
{
    if (layout == PaperLayout::Flat) {
        corners[0] = corners[5];
        corners[1] = corners[2];
    } else if (layout == PaperLayout::Upright) {
        corners[3] = corners[2];
        corners[4] = corners[5];
    }
}

std::optional<PhotoPoints> NumberCorners(std::vector<QPointF> polygon, PaperLayout layout)
{
    const std::vector<int> order = ClockwiseCorners(layout);
    const bool foldEndHidden = layout == PaperLayout::LFold && polygon.size() == 5;
    if (order.empty() || (polygon.size() != order.size() && !foldEndHidden))
        return std::nullopt;
    if (TurnArea(polygon) < 0.0)
        std::reverse(polygon.begin(), polygon.end());
    std::rotate(polygon.begin(), polygon.begin() + EdgeBy(polygon, true), polygon.end());
    if (foldEndHidden)
        return WithMissingFoldEnd(polygon);
    PhotoPoints corners;
    for (size_t i = 0; i < order.size(); ++i)
        corners[order[i]] = polygon[i];
    FillSharedCorners(corners, layout);
    return corners;
}

} // namespace quorvane
