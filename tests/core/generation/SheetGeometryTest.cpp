#include <utility>

#include <gtest/gtest.h>

#include "core/generation/SheetGeometry.h"

using namespace quorvane;

namespace {

const DriverLayout* Driver(PaperLayout layout, int32_t PageDpi = kDefaultPageDpi)
{
    return DriverLayoutOf(Paper{PaperFormat::A4, layout}, PageDpi);
}

// Six corners whose bounding box is 709 x 638 canvas pixels, offset from the origin.
const Outline kOutline{{{100, 195}, {594, 100}, {588, 450}, {808, 592}, {307, 737}, {118, 569}}};

} // namespace

TEST(SheetGeometry, BothSheetsScaleTheBoundingBoxToTheCanvasWidth)
{
    const auto g = ComputeSheetGeometry(*Driver(PaperLayout::LFold), kOutline);
    ASSERT_TRUE(g.has_value());
    EXPECT_DOUBLE_EQ(g->scale, 1190.0 / 709.0);
    EXPECT_EQ(g->canvasSize, QSize(1190, 1071)); // 638 * 1190 / 709 = 1070.8
    EXPECT_EQ(g->BitsWidth, 2380);
    EXPECT_EQ(g->BitsHeight, 2142);
    EXPECT_EQ(g->QuadPoints[0], QPoint(0, 159));     // 95 * scale = 159.4
    EXPECT_EQ(g->QuadPoints[3], QPoint(1188, 826));  // 708 * scale = 1188.3, 492 * scale = 825.8
}

namespace {

// The geometry of a one-sheet driver with two corners of the other sheet moved far away.
void ExpectIgnored(PaperLayout layout, size_t first, size_t second, int64_t minY)
{
    Outline moved = kOutline;
    moved[first] = QPoint(-5000, 9000);
    moved[second] = QPoint(7000, -3000);
    const auto original = ComputeSheetGeometry(*Driver(layout), kOutline);
    const auto changed = ComputeSheetGeometry(*Driver(layout), moved);
    ASSERT_TRUE(original && changed);
    EXPECT_EQ(original->canvasSize, changed->canvasSize);
    EXPECT_EQ(original->QuadPoints, changed->QuadPoints);
    EXPECT_EQ(original->minY, minY);
}

} // namespace

TEST(SheetGeometry, OneSheetDriversIgnoreTheOtherSheetsCorners)
{
    ExpectIgnored(PaperLayout::Upright, 3, 4, 100);
    ExpectIgnored(PaperLayout::Flat, 0, 1, 450);
    EXPECT_EQ(ComputeSheetGeometry(*Driver(PaperLayout::Upright), kOutline)->canvasSize.width(), 1684);
}

// At 144 dpi the canvas doubled fits in PixelBuffer::kMaxBytes; the finer pages allow a
// canvas of twice as many pixels.
TEST(SheetGeometry, TooTallAnOutlineGetsTheWidestCanvasThatFits)
{
    Outline steep{}; // 13 x 227: at 1684 columns the canvas would have 29405 rows
    steep[1] = QPoint(12, 67);
    steep[2] = QPoint(11, 226);
    steep[5] = QPoint(0, 130);
    for (const auto& [dpi, maxPixels] : {std::pair{144, PixelBuffer::kMaxBytes / 16},
                                         {300, PixelBuffer::kMaxBytes / 8}, {600, PixelBuffer::kMaxBytes / 8}}) {
        SCOPED_TRACE(dpi);
        const DriverLayout& layout = *Driver(PaperLayout::Upright, dpi);
        const auto g = ComputeSheetGeometry(layout, steep);
        ASSERT_TRUE(g.has_value());
        const int64_t pixels = int64_t(g->canvasSize.width()) * g->canvasSize.height();
        EXPECT_LE(pixels, maxPixels);
        EXPECT_GT(pixels * 100 / 98, maxPixels); // and not much less
        EXPECT_LT(g->canvasSize.width(), layout.canvasWidth);
        EXPECT_DOUBLE_EQ(g->scale, g->canvasSize.width() / 13.0);
        EXPECT_EQ(g->BitsWidth, 2 * g->canvasSize.width());
    }
}

TEST(SheetGeometry, NoCanvasForAnOutlineThatWouldNotFit)
{
    Outline tall{};
    tall[1] = QPoint(0, 100000); // one pixel wide: the canvas would be 119 million rows
    EXPECT_FALSE(ComputeSheetGeometry(*Driver(PaperLayout::LFold), tall).has_value());
    Outline flat{};
    flat[1] = QPoint(100000, 0); // the canvas would have no rows
    EXPECT_FALSE(ComputeSheetGeometry(*Driver(PaperLayout::LFold), flat).has_value());
    EXPECT_EQ(Driver(PaperLayout::None), nullptr);
    EXPECT_EQ(Driver(PaperLayout::LFold, 200), nullptr);
}
