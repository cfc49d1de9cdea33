#include "core/output/PageMarks.h"

#include <gtest/gtest.h>

#include "core/shell/PageResolution.h"
#include "support/PdfFacts.h"

namespace quorvane {
namespace {

QImage WhitePage(const Paper& paper, int32_t PageDpi)
{
    QImage page(*paper.PageSize(PageDpi), QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// On a white L-fold page: a tick at each side edge on the fold's row and not 1.3 mm off it,
// and a bar 5 cm long (to a pixel) in the bottom left corner, not at the top, at each resolution.
TEST(PageMarks, FoldTicksAtTheFoldRowAndAFiveCentimetreBarAtEachResolution)
{
    const Paper paper;
    for (const int32_t PageDpi : kPageDpis) {
        SCOPED_TRACE(PageDpi);
        QImage page = WhitePage(paper, PageDpi);
        DrawPageMarks(page, paper, PageDpi);
        const int fold = page.height() / 2;
        for (const int x : {0, page.width() - 1}) {
            EXPECT_EQ(page.pixel(x, fold), qRgb(0, 0, 0));
            EXPECT_EQ(page.pixel(x, fold - PageDpi / 20), qRgb(255, 255, 255));
            EXPECT_EQ(page.pixel(x, fold + PageDpi / 20), qRgb(255, 255, 255));
        }
        const double pixelMm = 25.4 / PageDpi;
        const QRect bottomLeft(0, page.height() * 3 / 4, page.width() / 2, page.height() / 4);
        EXPECT_NEAR(LongestDarkRun(page, bottomLeft) * pixelMm, 50.0, pixelMm);
        EXPECT_EQ(LongestDarkRun(page, QRect(page.width() / 2, 0, page.width() / 2, fold - 10)), 0);
    }
}

// The bar takes the first white corner of bottom left, bottom right, top left, top right
// (one pixel a little grey is content); a page with content in every corner gets none. A
// flat page has no fold to mark.
TEST(PageMarks, BarGoesToAWhiteCornerOrNowhere)
{
    const Paper flat{PaperFormat::A4, PaperLayout::Flat};
    QImage page = WhitePage(flat, 144);
    for (const QPoint taken : {QPoint(40, 1640), QPoint(1144, 1640), QPoint(40, 40)})
        page.setPixel(taken, qRgb(240, 240, 240));
    const std::optional<QRect> bar = ScaleBarPlace(page, 144);
    // 8 mm (45 pixels) from the edges, under its 3.5 mm label, 283 pixels long.
    EXPECT_EQ(bar, QRect(1190 - 45 - 283, 45 + 20, 283, 9));
    page.setPixel(1150, 20, qRgb(0, 0, 0));
    EXPECT_FALSE(ScaleBarPlace(page, 144));
    const QImage before = page;
    DrawPageMarks(page, flat, 144);
    EXPECT_EQ(page, before);
}

} // namespace
} // namespace quorvane
