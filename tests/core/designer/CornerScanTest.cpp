#include <gtest/gtest.h>

#include "core/designer/CornerScan.h"

namespace quorvane {
namespace {

// A white view of w x h; Set() writes one pixel by its column and its row from the bottom.
struct View {
    CaptureBits bits;

    View(int w, int h)
    {
        bits.width = w;
        bits.height = h;
        bits.bytes.assign(size_t(w) * h * 4, 255);
    }

    void Set(int x, int yFromBottom, uint8_t r, uint8_t g, uint8_t b)
    {
        uint8_t* p = &bits.bytes[(size_t(yFromBottom) * bits.width + x) * 4];
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
};

TEST(ScanCorners, FindsNothingOnAnEmptyOrIncompleteView)
{
    View view(20, 10);
    for (const QPoint& p : ScanCorners(view.bits))
        EXPECT_EQ(p, kCornerNotFound);
    view.Set(3, 3, 255, 0, 0);
    view.bits.bytes.pop_back();
    EXPECT_EQ(ScanCorners(view.bits)[0], kCornerNotFound);
    EXPECT_EQ(ScanCorners(CaptureBits{})[0], kCornerNotFound);
}

struct LevelCase {
    uint8_t level;
    int fullCorner; // -1: the level marks nothing
};

class MarkerLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(MarkerLevels, SplitFullFromHalfAt200)
{
    const auto [level, expectedOffset] = GetParam();
    for (int channel = 0; channel < 3; ++channel) {
        View view(8, 8);
        view.Set(2, 5, channel == 0 ? level : 0, channel == 1 ? level : 0, channel == 2 ? level : 0);
        const FoundCorners found = ScanCorners(view.bits);
        for (int corner = 0; corner < 6; ++corner) {
            const bool expected = expectedOffset >= 0 && corner == 2 * channel + expectedOffset;
            EXPECT_EQ(CornerFound(found[corner]), expected)
                << "level " << int(level) << " channel " << channel << " corner " << corner;
        }
    }
}

// 201 and up: the full marker (offset 0); 101..199: the half marker (offset 1).
INSTANTIATE_TEST_SUITE_P(Thresholds, MarkerLevels,
                         testing::Values(LevelCase{255, 0}, LevelCase{201, 0}, LevelCase{200, -1},
                                         LevelCase{199, 1}, LevelCase{101, 1}, LevelCase{100, -1},
                                         LevelCase{0, -1}));

TEST(ScanCorners, NeedsTheOtherChannelsAtZero)
{
    View view(8, 8);
    view.Set(1, 1, 255, 1, 0);
    view.Set(2, 2, 1, 150, 0);
    view.Set(3, 3, 0, 0, 0);
    for (const QPoint& p : ScanCorners(view.bits))
        EXPECT_EQ(p, kCornerNotFound);
}

TEST(ScanCorners, CountsRowsFromTheTopStartingAtOne)
{
    View view(30, 20);
    view.Set(7, 19, 0, 255, 0); // top row
    view.Set(9, 0, 0, 0, 128);  // bottom row
    const FoundCorners found = ScanCorners(view.bits);
    EXPECT_EQ(found[2], QPoint(7, 1));
    EXPECT_EQ(found[5], QPoint(9, 20));
}

TEST(ScanCorners, TakesTheRightmostThenTopmostOfRepeatedColours)
{
    View view(30, 20);
    view.Set(4, 15, 255, 0, 0);
    view.Set(12, 2, 255, 0, 0); // farther right: wins over the higher one
    view.Set(6, 3, 0, 0, 255);
    view.Set(6, 11, 0, 0, 255); // same column, nearer the top: wins
    view.Set(6, 7, 0, 0, 255);
    const FoundCorners found = ScanCorners(view.bits);
    EXPECT_EQ(found[0], QPoint(12, 18));
    EXPECT_EQ(found[4], QPoint(6, 9));
}

} // namespace
} // namespace quorvane
