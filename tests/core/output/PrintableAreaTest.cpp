#include "core/output/PrintableArea.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

QPageLayout Layout(const QPageSize& size, QPageLayout::Orientation orientation, const QMarginsF& paperMargins,
                   QPageLayout::Unit unit = QPageLayout::Point)
{
    return QPageLayout(size, orientation, paperMargins, unit, paperMargins);
}

TEST(PrintableArea, PortraitPageKeepsThePaperMargins)
{
    const QPageSize a4(QPageSize::A4); // 595 x 842 pt
    EXPECT_EQ(PrintableAreaPoints(Layout(a4, QPageLayout::Portrait, {18, 36, 18, 36})),
              QRectF(18, 36, 595 - 18 - 18, 842 - 36 - 36));
}

TEST(PrintableArea, LandscapePageTurnsThePaperMarginsWithIt)
{
    const QPageSize a4(QPageSize::A4);
    // Paper margins left 10, top 20, right 30, bottom 40: the landscape page's top is the
    // paper's left edge, its left the paper's bottom edge.
    EXPECT_EQ(PrintableAreaPoints(Layout(a4, QPageLayout::Landscape, {10, 20, 30, 40})),
              QRectF(40, 10, 842 - 40 - 20, 595 - 10 - 30));
}

TEST(PrintableArea, NineByTwelveInchAreaFromMillimetreMargins)
{
    // Paper of 10 x 13 inches with half-inch margins given in millimetres.
    const QPageSize paper(QSizeF(254.0, 330.2), QPageSize::Millimeter);
    const QRectF area = PrintableAreaPoints(
        Layout(paper, QPageLayout::Portrait, {12.7, 12.7, 12.7, 12.7}, QPageLayout::Millimeter));
    EXPECT_NEAR(area.left(), 36.0, 0.01);
    EXPECT_NEAR(area.top(), 36.0, 0.01);
    EXPECT_NEAR(area.width(), 9 * 72.0, 0.01);
    EXPECT_NEAR(area.height(), 12 * 72.0, 0.01);
}

} // namespace
} // namespace quorvane
