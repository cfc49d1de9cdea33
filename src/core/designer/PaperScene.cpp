#include "core/designer/PaperScene.h"

namespace quorvane {

ScenePoint CornerPosition(int corner, const SheetSize& size)
{
    const double w = size.SheetWidth / 2.0;
    const double h = size.SheetHeight;
    const double d = size.SheetDepth / 2.0;
    switch (corner) {
    case 0:
        return {-w, h, -d};
    case 1:
        return {w, h, -d};
    case 2:
        return {w, 0.0, -d};
    case 3:
        return {w, 0.0, d};
    case 4:
        return {-w, 0.0, d};
    default:
        return {-w, 0.0, -d};
    }
}

PagePoint PagePointAt(const ScenePoint& point, const SheetSize& size)
{
    const double unfolded = size.SheetHeight + size.SheetDepth;
    if (size.SheetWidth <= 0.0 || unfolded <= 0.0)
        return {0.0, 0.0};
    const double u = point.x / size.SheetWidth + 0.5;
    // Length along the unfolded paper from the top of the standing sheet.
    const double along = point.y > 0.0 ? size.SheetHeight - point.y
                                       : size.SheetHeight + point.z + size.SheetDepth / 2.0;
    return {u, along / unfolded};
}

ScenePoint PaperPointAt(const PagePoint& page, const SheetSize& size)
{
    const double along = page.v * (size.SheetHeight + size.SheetDepth);
    const double x = (page.u - 0.5) * size.SheetWidth;
    if (along <= size.SheetHeight)
        return {x, size.SheetHeight - along, -size.SheetDepth / 2.0};
    return {x, 0.0, along - size.SheetHeight - size.SheetDepth / 2.0};
}

std::vector<SceneSegment> SheetSeams(const Paper& paper)
{
    std::vector<SceneSegment> seams;
    const SheetGrid grid = paper.Grid.Clamped();
    const SheetSize size = paper.SceneSize();
    const QSizeF sheet = paper.SheetSizeMm();
    const QSizeF page = paper.PageSizeMm();
    const double unfolded = size.SheetHeight + size.SheetDepth;
    if (grid.IsSingle() || unfolded <= 0.0 || page.isEmpty())
        return seams;
    // A sheet's left edge runs down both sheets of the scene that have an extent.
    for (int column = 1; column < grid.Columns; ++column) {
        const double u = column * (sheet.width() - grid.GlueMm) / page.width();
        const ScenePoint top = PaperPointAt({u, 0.0}, size);
        const ScenePoint fold = PaperPointAt({u, size.SheetHeight / unfolded}, size);
        const ScenePoint bottom = PaperPointAt({u, 1.0}, size);
        if (size.SheetHeight > 0.0)
            seams.push_back({top, fold});
        if (size.SheetDepth > 0.0)
            seams.push_back({fold, bottom});
    }
    // A sheet's top edge runs straight across whichever sheet of the scene it falls on.
    for (int row = 1; row < grid.Rows; ++row) {
        const double v = row * (sheet.height() - grid.GlueMm) / page.height();
        seams.push_back({PaperPointAt({0.0, v}, size), PaperPointAt({1.0, v}, size)});
    }
    return seams;
}

bool MarkerDrawn(int corner, PaperLayout layout)
{
    switch (corner) {
    case 0:
    case 1:
        return layout == PaperLayout::LFold || layout == PaperLayout::Upright;
    case 3:
    case 4:
        return layout == PaperLayout::LFold || layout == PaperLayout::Flat;
    default:
        return true;
    }
}

} // namespace quorvane
