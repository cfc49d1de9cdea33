#include "app/output/PrintResult.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/output/PrintableArea.h"
#include "core/shell/Paper.h"

namespace quorvane {

namespace {
constexpr double kPointsPerInch = 72.0;
}

bool PrintResult(const QImage& page, const Paper& paper, const QPrinterInfo& printer, const QString& jobName)
{
    QPrinter device(printer, QPrinter::HighResolution);
    device.setDocName(jobName);
    // Drawing starts at the paper's corner; the printable area is worked out below, as
    // the toolkit does not turn the paper's margins with a landscape page.
    device.setFullPage(true);
    device.setPageOrientation(paper.Layout == PaperLayout::Upright ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    // Stretching to the area's own shape would distort the sheet's geometry.
    const QRectF area = FitKeepingShape(QSizeF(page.size()), PrintableAreaPoints(device.pageLayout()));

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pixelsPerPoint = device.resolution() / kPointsPerInch;
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, page, QRectF(page.rect()));
    return painter.end();
}

} // namespace quorvane
