#include "core/shell/PageResolution.h"

#include <cmath>

namespace quorvane {

namespace {

constexpr double kMetersPerInch = 0.0254;

} // namespace

std::optional<QSize> PortraitPageSize(int32_t PageDpi)
{
    // 210 x 297 mm rounded to whole pixels, except that the 144 dpi page has always been
    // 1190 pixels wide (210 mm is 1190.55 there).
    switch (PageDpi) {
    case 144:
        return QSize(1190, 1684);
    case 300:
        return QSize(2480, 3508);
    case 600:
        return QSize(4961, 7016);
    default:
        return std::nullopt;
    }
}

int32_t DotsPerMeter(int32_t PageDpi)
{
    return int32_t(std::lround(double(PageDpi) / kMetersPerInch));
}

std::optional<int32_t> PageDpiFromText(QStringView text)
{
    for (const int32_t dpi : kPageDpis) {
        if (text == QString::number(dpi))
            return dpi;
    }
    return std::nullopt;
}

} // namespace quorvane
