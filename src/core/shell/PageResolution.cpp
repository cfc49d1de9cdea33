#include "core/shell/PageResolution.h"

#include <cmath>
#include <iterator>

namespace quorvane {

namespace {

constexpr double kMetersPerInch = 0.0254;

} // namespace

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

QString PageDpiList(const QString& separator, const QString& last)
{
    QString list;
    const size_t count = std::size(kPageDpis);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            list += i + 1 == count ? last : separator;
        list += QString::number(kPageDpis[i]);
    }
    return list;
}

} // namespace quorvane
