#include "core/shell/PaperOutline.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvane {

int32_t PaperOutline::PaperWidth() const
{
    int32_t width = 0;
    for (const QPoint& p : PaperPoint)
        width = std::max(width, p.x());
    return width;
}

int32_t PaperOutline::PaperHeight() const
{
    int32_t height = 0;
    for (const QPoint& p : PaperPoint)
        height = std::max(height, p.y());
    return height;
}

namespace {

// A sheet's area at least this share of the square of its longer extent: a sheet seen almost
// edge-on in a photo or the designer still has a few per cent, a sliver has less.
constexpr double kMinAreaShare = 1.0 / 400.0;
// A sheet at least this many pixels across in its longer extent.
constexpr double kMinExtent = 8.0;

// Whether the sheet through these outline corners encloses a meaningful area.
bool SheetHasArea(const Outline& outline, std::array<int, 4> corners)
{
    double twiceArea = 0.0; // the shoelace sum over the sheet's edges
    double minX = outline[size_t(corners[0])].x(), maxX = minX;
    double minY = outline[size_t(corners[0])].y(), maxY = minY;
    for (size_t k = 0; k < corners.size(); ++k) {
        const QPoint a = outline[size_t(corners[k])];
        const QPoint b = outline[size_t(corners[(k + 1) % corners.size()])];
        twiceArea += double(a.x()) * b.y() - double(b.x()) * a.y();
        minX = std::min<double>(minX, a.x());
        maxX = std::max<double>(maxX, a.x());
        minY = std::min<double>(minY, a.y());
        maxY = std::max<double>(maxY, a.y());
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    return extent >= kMinExtent && std::abs(twiceArea) / 2.0 >= kMinAreaShare * extent * extent;
}

} // namespace

std::optional<QString> OutlineProblem(const Outline& outline, PaperLayout layout)
{
    std::vector<std::array<int, 4>> sheets; // the standing sheet 0, 1, 2, 5; the lying one 5, 2, 3, 4
    if (layout == PaperLayout::LFold || layout == PaperLayout::Upright)
        sheets.push_back({0, 1, 2, 5});
    if (layout == PaperLayout::LFold || layout == PaperLayout::Flat)
        sheets.push_back({5, 2, 3, 4});
    // The designer may see one sheet of an L-fold edge-on; the other still makes the page.
    if (std::any_of(sheets.begin(), sheets.end(), [&outline](const auto& sheet) { return SheetHasArea(outline, sheet); }))
        return std::nullopt;
    return QStringLiteral("the paper outline encloses no area a page can be made of");
}

PaperOutline DefaultOutline()
{
    PaperOutline outline;
    outline.PaperPoint = {{{0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}};
    return outline;
}

} // namespace quorvane
