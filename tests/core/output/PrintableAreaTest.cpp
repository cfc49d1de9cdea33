#include "core/output/PrintableArea.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(PrintableArea, LandscapePageTurnsThePaperMarginsWithIt)
{
    // A4 is 595 x 842 pt. Paper margins: left 10, top 20, right 30, bottom 40.
    const QMarginsF paper(10, 20, 30, 40);
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, paper, QPageLayout::Point, paper);
    EXPECT_EQ(PrintableAreaPoints(layout), QRectF(10, 20, 595 - 10 - 30, 842 - 20 - 40));

    // Landscape: the page's top is the paper's left edge, its left the paper's bottom edge.
    layout.setOrientation(QPageLayout::Landscape);
    EXPECT_EQ(PrintableAreaPoints(layout), QRectF(40, 10, 842 - 40 - 20, 595 - 10 - 30));
}

TEST(PrintableArea, PageFitsWithItsShapeCentredAndTheJobIsNamedAfterTheFile)
{
    const struct {
        QSizeF page;
        QRectF area;
        QRectF fitted;
    } rows[] = {
        {{1190, 1684}, {18, 18, 576, 756}, {18 + (576 - 756 * 1190.0 / 1684) / 2, 18, 756 * 1190.0 / 1684, 756}},
        {{1684, 1190}, {10, 20, 400, 400}, {10, 20 + (400 - 400 * 1190.0 / 1684) / 2, 400, 400 * 1190.0 / 1684}},
        {{100, 100}, {0, 0, 300, 100}, {100, 0, 100, 100}},
        {{0, 100}, {0, 0, 300, 100}, {}},
    };
    for (const auto& row : rows) {
        const QRectF got = FitKeepingShape(row.page, row.area);
        EXPECT_NEAR(got.x(), row.fitted.x(), 1e-9);
        EXPECT_NEAR(got.y(), row.fitted.y(), 1e-9);
        EXPECT_NEAR(got.width(), row.fitted.width(), 1e-9);
        EXPECT_NEAR(got.height(), row.fitted.height(), 1e-9);
    }
    EXPECT_EQ(PrintJobName(QStringLiteral("/home/a/pages/dino page.jpg")), QStringLiteral("dino page.jpg"));
    EXPECT_EQ(PrintJobName(QString()), QStringLiteral("Quorvane page"));
}

} // namespace
} // namespace quorvane
