#include "core/designer/PaperScene.h"

#include "core/shell/PageStyle.h"

namespace quorvane {

void SetPaperSize(double PageStyle, SheetSize& size)
{
    switch (LayoutOf(PageStyle)) {
    case PaperLayout::LFold:
        size = {29.75, 21.05, 21.05};
        break;
    case PaperLayout::Flat:
        size = {29.75, 0.0, 42.1};
        break;
    case PaperLayout::Upright:
        size = {42.1, 29.75, 0.0};
        break;
    case PaperLayout::None:
        break;
    }
}

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

bool MarkerDrawn(int corner, double PageStyle)
{
    const PaperLayout layout = LayoutOf(PageStyle);
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
