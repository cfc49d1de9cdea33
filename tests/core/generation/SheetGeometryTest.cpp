#include <gtest/gtest.h>

#include "core/generation/SheetGeometry.h"

using namespace quorvane;

namespace {

// Six corners whose bounding box is 709 x 638 canvas pixels, offset from the origin.
const Outline kOutline{{{100, 195}, {594, 100}, {588, 450}, {808, 592}, {307, 737}, {118, 569}}};

} // namespace

TEST(SheetGeometry, BothSheetsScaleTheBoundingBoxToTheCanvasWidth)
{
    const auto g = ComputeSheetGeometry(*DriverLayoutOf(PaperLayout::LFold), kOutline);
    ASSERT_TRUE(g.has_value());
    EXPECT_DOUBLE_EQ(g->scale, 1190.0 / 709.0);
    EXPECT_EQ(g->canvasSize, QSize(1190, 1071)); // 638 * 1190 / 709 = 1070.8
    EXPECT_EQ(g->BitsWidth, 2380);
    EXPECT_EQ(g->BitsHeight, 2142);
    EXPECT_EQ(g->QuadPoints[0], QPoint(0, 159));     // 95 * scale = 159.4
    EXPECT_EQ(g->QuadPoints[3], QPoint(1188, 826));  // 708 * scale = 1188.3, 492 * scale = 825.8
}

TEST(SheetGeometry, OneSheetDriversIgnoreTheOtherSheetsCorners)
{
    Outline moved = kOutline;
    moved[3] = QPoint(-5000, 9000);
    moved[4] = QPoint(7000, -3000);
    const auto* sheetA = DriverLayoutOf(PaperLayout::Upright);
    const auto a = ComputeSheetGeometry(*sheetA, kOutline);
    const auto aMoved = ComputeSheetGeometry(*sheetA, moved);
    ASSERT_TRUE(a && aMoved);
    EXPECT_EQ(a->canvasSize, aMoved->canvasSize);
    EXPECT_EQ(a->QuadPoints, aMoved->QuadPoints);
    EXPECT_EQ(a->canvasSize.width(), 1684);
    EXPECT_EQ(a->minY, 100);

    moved = kOutline;
    moved[0] = QPoint(-5000, 9000);
    moved[1] = QPoint(7000, -3000);
    const auto* sheetB = DriverLayoutOf(PaperLayout::Flat);
    const auto b = ComputeSheetGeometry(*sheetB, kOutline);
    const auto bMoved = ComputeSheetGeometry(*sheetB, moved);
    ASSERT_TRUE(b && bMoved);
    EXPECT_EQ(b->canvasSize, bMoved->canvasSize);
    EXPECT_EQ(b->QuadPoints, bMoved->QuadPoints);
    EXPECT_EQ(b->minY, 450);
}

TEST(SheetGeometry, NoCanvasForAnOutlineThatWouldNotFit)
{
    Outline tall{};
    tall[1] = QPoint(0, 100000); // one pixel wide: the canvas would be 119 million rows
    EXPECT_FALSE(ComputeSheetGeometry(*DriverLayoutOf(PaperLayout::LFold), tall).has_value());
    Outline flat{};
    flat[1] = QPoint(100000, 0); // the canvas would have no rows
    EXPECT_FALSE(ComputeSheetGeometry(*DriverLayoutOf(PaperLayout::LFold), flat).has_value());
    EXPECT_EQ(DriverLayoutOf(PaperLayout::None), nullptr);
}
