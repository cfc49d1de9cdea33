#include "core/output/SheetAssembly.h"

#include <QPainter>

namespace quorvane {

std::optional<int32_t> SheetDpiOf(const Paper& paper, QSize sheet)
{
    for (const int32_t dpi : kPageDpis) {
        if (paper.SheetPageSize(dpi) == sheet)
            return dpi;
    }
    return std::nullopt;
}

LaidSheets LaySheetsTogether(const GridOnPage& grid, const SheetSource& source)
{
    LaidSheets laid;
    const QSize assembled = grid.Assembled();
    if (assembled.isEmpty())
        return laid;
    QImage page(assembled, QImage::Format_RGB32);
    if (page.isNull())
        return laid;
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const GridSheet& sheet : SheetsOf(grid)) {
        const QImage image = source(sheet);
        if (image.isNull())
            continue;
        if (image.size() != grid.sheet)
            return {};
        painter.drawImage(sheet.OnPage.topLeft(), image.convertToFormat(QImage::Format_RGB32));
        ++laid.found;
    }
    painter.end();
    if (laid.found > 0)
        laid.page = page;
    return laid;
}

} // namespace quorvane
