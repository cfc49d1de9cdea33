#include "core/output/PagePdf.h"

#include <gtest/gtest.h>

#include "core/output/ResultWriter.h"
#include "core/shell/Paper.h"
#include "support/PdfFacts.h"

namespace quorvane {
namespace {

// Each format's page, upright and on its side, is one PDF page of the format's size whose
// one image holds the page's pixels exactly (every pixel differs from its neighbours, so
// lossy coding or re-sampling would show), at the page's own resolution. A page without a
// resolution, or a following page without a size, writes nothing.
TEST(PagePdf, APageIsItsFormatsSizeWithItsPixelsLosslessAtItsResolution)
{
    const struct {
        Paper paper;
        int32_t PageDpi;
        QSizeF points;
    } rows[] = {{{PaperFormat::A4, PaperLayout::LFold}, 144, {595.3, 841.9}},
                {{PaperFormat::Letter, PaperLayout::Flat}, 144, {612.0, 792.0}},
                {{PaperFormat::A3, PaperLayout::Upright}, 144, {1190.6, 841.9}},
                {{PaperFormat::A4, PaperLayout::Upright}, 300, {841.9, 595.3}}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    for (const auto& row : rows) {
        SCOPED_TRACE(FormatName(row.paper.Format).toStdString() + " " + std::to_string(row.paper.PageStyle()));
        QImage page(*row.paper.PageSize(row.PageDpi), QImage::Format_RGB32);
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                page.setPixel(x, y, qRgb((x * 7 + y * 3) & 255, (x ^ y) & 255, (x * y) & 255));
        ASSERT_EQ(WriteResultImage(page, path, row.PageDpi, {row.paper.PageSizeMm(), {}}).status, WriteStatus::Written);
        const std::vector<QSizeF> sizes = PdfPageSizes(path);
        ASSERT_EQ(sizes.size(), 1u);
        EXPECT_NEAR(sizes[0].width(), row.points.width(), 0.5);
        EXPECT_NEAR(sizes[0].height(), row.points.height(), 0.5);
        const std::vector<QStringList> images = PdfImages(path);
        ASSERT_EQ(images.size(), 1u);
        const QString dpi = QString::number(row.PageDpi);
        const QStringList wanted{QString::number(page.width()), QString::number(page.height()), QStringLiteral("image"), dpi, dpi};
        EXPECT_EQ(images[0].mid(3, 2) + images[0].mid(8, 1) + images[0].mid(12, 2), wanted); // "image": Flate, not JPEG
        EXPECT_EQ(PdfPixels(path, 1, 0, true).convertToFormat(QImage::Format_RGB32), page);
    }
    QFile::remove(path);
    const QImage small(20, 20, QImage::Format_RGB32);
    EXPECT_EQ(WriteResultImage(small, path, 0).status, WriteStatus::WriteFailed);
    EXPECT_EQ(WriteResultImage(small, path, 144, {{}, {PdfPage{QSizeF(), {}}}}).status, WriteStatus::WriteFailed);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace quorvane
