#include "core/output/PrintedPage.h"

#include <QImage>

#include "core/shell/PageResolution.h"

namespace quorvane {

namespace {

constexpr double kInchesPerMeter = 0.0254;

} // namespace

std::optional<PrintedPage> PageOfSize(QSize pixels)
{
    for (const PaperFormat format : PaperFormats()) {
        for (const int32_t dpi : kPageDpis) {
            const std::optional<QSize> upright = Paper{format, PaperLayout::LFold}.PortraitPageSize(dpi);
            if (!upright)
                continue;
            if (pixels == *upright)
                return PrintedPage{format, QPageLayout::Portrait, double(dpi)};
            if (pixels == upright->transposed())
                return PrintedPage{format, QPageLayout::Landscape, double(dpi)};
        }
    }
    return std::nullopt;
}

double RecordedDpi(const QImage& page)
{
    const double dpi = page.dotsPerMeterX() * kInchesPerMeter;
    // A file without a resolution, or with a different one across than down, records none.
    if (page.dotsPerMeterX() <= 0 || page.dotsPerMeterX() != page.dotsPerMeterY())
        return 0.0;
    return dpi;
}

std::optional<PrintedPage> PrintedPageOf(const QImage& page, std::optional<PaperFormat> paper, QString& problem)
{
    if (page.isNull()) {
        problem = QStringLiteral("the page holds no picture");
        return std::nullopt;
    }
    if (const std::optional<PrintedPage> known = PageOfSize(page.size())) {
        PrintedPage printed = *known;
        printed.Format = paper.value_or(known->Format);
        return printed;
    }
    const QString size = QStringLiteral("%1 x %2 pixels").arg(page.width()).arg(page.height());
    if (!paper) {
        problem = size + QStringLiteral(" is the size of no page of A4, US Letter or A3 at ") +
                  PageDpiList(QStringLiteral(", "), QStringLiteral(" or ")) +
                  QStringLiteral(" dpi; choose the paper to print it on at its recorded resolution");
        return std::nullopt;
    }
    const double dpi = RecordedDpi(page);
    if (!(dpi > 0.0)) {
        problem = size + QStringLiteral(" with no recorded resolution: its printed size is unknown");
        return std::nullopt;
    }
    const auto orientation = page.width() > page.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return PrintedPage{*paper, orientation, dpi};
}

} // namespace quorvane
