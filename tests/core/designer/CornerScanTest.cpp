#include <gtest/gtest.h>

#include <array>

#include "core/designer/CornerScan.h"

namespace quorvane {
namespace {

// A white view of w x h; Set() writes one pixel by its column and its row from the bottom.
struct View {
    CaptureBits bits;

    View(int w, int h) : bits{w, h, std::vector<uint8_t>(size_t(w) * h * 4, 255)} {}
    void Set(int x, int yFromBottom, uint8_t r, uint8_t g, uint8_t b)
    {
        uint8_t* p = &bits.bytes[(size_t(yFromBottom) * bits.width + x) * 4];
        p[0] = b, p[1] = g, p[2] = r;
    }
};

void ExpectNothingFound(const CaptureBits& bits)
{
    for (const QPoint& p : ScanCorners(bits))
        EXPECT_EQ(p, kCornerNotFound);
}

// Markers need the other two channels at zero, and a view complete to its last byte.
TEST(ScanCorners, FindsNothingOnAnEmptyOrIncompleteViewOrAMixedColour)
{
    View view(20, 10);
    ExpectNothingFound(view.bits);
    view.Set(1, 1, 255, 1, 0);
    view.Set(2, 2, 1, 150, 0);
    view.Set(3, 3, 0, 0, 0);
    ExpectNothingFound(view.bits);
    view.Set(3, 3, 255, 0, 0);
    view.bits.bytes.pop_back();
    ExpectNothingFound(view.bits);
    ExpectNothingFound(CaptureBits{});
}

TEST(ScanCorners, SplitsFullFromHalfMarkersAt200And100)
{
    // Offset 0: the channel's full marker; 1: its half marker; -1: nothing.
    const std::array<std::pair<uint8_t, int>, 7> levels{
        {{255, 0}, {201, 0}, {200, -1}, {199, 1}, {101, 1}, {100, -1}, {0, -1}}};
    for (const auto& [level, offset] : levels) {
        for (int channel = 0; channel < 3; ++channel) {
            View view(8, 8);
            view.Set(2, 5, channel == 0 ? level : 0, channel == 1 ? level : 0, channel == 2 ? level : 0);
            const FoundCorners found = ScanCorners(view.bits);
            for (int corner = 0; corner < 6; ++corner)
                EXPECT_EQ(CornerFound(found[corner]), offset >= 0 && corner == 2 * channel + offset)
                    << "level " << int(level) << " channel " << channel << " corner " << corner;
        }
    }
}

TEST(ScanCorners, CountsRowsFromTheTopStartingAtOneAndPrefersRightmostThenTopmost)
{
    View view(30, 20);
    view.Set(7, 19, 0, 255, 0); // top row
    view.Set(9, 0, 0, 0, 128);  // bottom row
    view.Set(4, 15, 255, 0, 0);
    view.Set(12, 2, 255, 0, 0); // farther right: wins over the higher one
    view.Set(6, 3, 0, 0, 255);
    view.Set(6, 11, 0, 0, 255); // same column, nearer the top: wins
    const FoundCorners found = ScanCorners(view.bits);
    EXPECT_EQ(found[2], QPoint(7, 1));
    EXPECT_EQ(found[5], QPoint(9, 20));
    EXPECT_EQ(found[0], QPoint(12, 18));
    EXPECT_EQ(found[4], QPoint(6, 9));
}

} // namespace
} // namespace quorvane
