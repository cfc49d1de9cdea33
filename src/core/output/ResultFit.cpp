#include "core/output/ResultFit.h"

#include "core/shell/Numeric.h"

namespace quorvane {

std::optional<QRect> FitResultToView(float SW, float SH, double ResultAspect)
{
    const auto r = Divide(SW, SH);
    if (!r || !(ResultAspect > 0.0))
        return std::nullopt;
    std::optional<int32_t> x, y, w, h;
    if (*r <= ResultAspect) {
        const double height = double(SW) / ResultAspect;
        x = 0;
        w = RoundHalfEven(SW);
        h = RoundHalfEven(height);
        y = RoundHalfEven((double(SH) - height) / 2);
    } else {
        const double width = double(SH) * ResultAspect;
        y = 0;
        h = RoundHalfEven(SH);
        w = RoundHalfEven(width);
        x = RoundHalfEven((double(SW) - width) / 2);
    }
    if (!x || !y || !w || !h)
        return std::nullopt;
    return QRect(*x, *y, *w, *h);
}

} // namespace quorvane
