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

} // namespace
} // namespace quorvane
