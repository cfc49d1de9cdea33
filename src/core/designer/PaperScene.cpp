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
