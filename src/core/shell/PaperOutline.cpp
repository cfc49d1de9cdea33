#include "core/shell/PaperOutline.h"

#include <algorithm>

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

PaperOutline DefaultOutline()
{
    PaperOutline outline;
    outline.PaperPoint = {{{0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}};
    return outline;
}

} // namespace quorvane
