#include "core/output/PagePdf.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace quorvane {

namespace {

// The PDF's device units: a tenth of a point. Only text layout sees them; everything is
// drawn in millimetres and the PDF holds real numbers.
constexpr int kPdfUnitsPerInch = 720;
constexpr double kMmPerInch = 25.4;

// A page of that size, without margins: a size matching a known format keeps its exact
// size in points.
QPageLayout LayoutOf(const QSizeF& sizeMm)
{
    const bool landscape = sizeMm.width() > sizeMm.height();
    const QSizeF upright = landscape ? sizeMm.transposed() : sizeMm;
    return QPageLayout(QPageSize(upright, QPageSize::Millimeter), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

} // namespace

PdfPage ImagePdfPage(const QImage& image, int32_t PageDpi, const QSizeF& paperMm)
{
    const QSizeF imageMm = PageDpi > 0 ? QSizeF(image.size()) * (kMmPerInch / PageDpi) : paperMm;
    const QPointF corner((paperMm.width() - imageMm.width()) / 2.0, (paperMm.height() - imageMm.height()) / 2.0);
    return {paperMm, [image, target = QRectF(corner, imageMm)](QPainter& painter) {
                // Without the hint the PDF engine stores a colour image as JPEG.
                painter.setRenderHint(QPainter::LosslessImageRendering);
                painter.drawImage(target, image);
                return true;
            }};
}

std::optional<QString> WritePdf(QIODevice& out, std::span<const PdfPage> pages)
{
    if (pages.empty())
        return QStringLiteral("there is no page");
    for (const PdfPage& page : pages) {
        if (!(page.sizeMm.width() > 0.0 && page.sizeMm.height() > 0.0))
            return QStringLiteral("a page has no size");
    }
    QPdfWriter writer(&out);
    writer.setCreator(QStringLiteral("Quorvane"));
    writer.setResolution(kPdfUnitsPerInch);
    writer.setPageLayout(LayoutOf(pages.front().sizeMm));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("the PDF could not be started");
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !(writer.setPageLayout(LayoutOf(pages[i].sizeMm)) && writer.newPage()))
            return QStringLiteral("the PDF could not take another page");
        painter.save();
        painter.scale(kPdfUnitsPerInch / kMmPerInch, kPdfUnitsPerInch / kMmPerInch);
        const bool drawn = pages[i].paint(painter);
        painter.restore();
        if (!drawn)
            return QStringLiteral("page %1 could not be made").arg(i + 1);
    }
    if (!painter.end())
        return QStringLiteral("the PDF could not be finished");
    return std::nullopt;
}

} // namespace quorvane
