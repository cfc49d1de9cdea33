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

} // namespace quorvane
