#include <gtest/gtest.h>

#include "core/designer/CornerCheck.h"
#include "core/shell/PageStyle.h"

namespace quorvane {
namespace {

// Corners as a view shows an L-folded paper, not yet shifted.
const FoundCorners kLFold{{{40, 120}, {300, 60}, {310, 250}, {420, 330}, {90, 380}, {60, 270}}};

// The creation camera with the eye at `height` cm and the paper turned by `angle` degrees.
CameraValues Eye(double height, double angle)
{
    CameraValues camera;
    camera.CameraHeight = height;
    camera.CameraAngle = angle;
    return camera;
}

FoundCorners Without(FoundCorners corners, std::initializer_list<int> hidden)
{
    for (int i : hidden)
        corners[i] = kCornerNotFound;
    return corners;
}

TEST(PaperOutline, LFoldNeedsAllSixCornersAndIsShiftedToZero)
{
    const PaperOutlineResult result = PaperOutlineFromCorners(kLFold, kStyleLFold, Eye(75.2, 31));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.PaperPoint[0], QPoint(0, 60));
    EXPECT_EQ(result.PaperPoint[1], QPoint(260, 0));
    for (int hidden = 0; hidden < 6; ++hidden) {
        const PaperOutlineResult refused =
            PaperOutlineFromCorners(Without(kLFold, {hidden}), kStyleLFold, Eye(75.2, 31));
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.message, "Please make sure that all parts of the paper are visible.");
    }
}

TEST(PaperOutline, FlatPaperNeedsTheEyeAtTenCentimetres)
{
    const FoundCorners flat = Without(kLFold, {0, 1}); // markers 0 and 1 are not drawn
    EXPECT_EQ(PaperOutlineFromCorners(flat, kStyleFlat, Eye(9.9, 31)).message, "The paper area is too small.");
    EXPECT_EQ(PaperOutlineFromCorners(Without(flat, {3}), kStyleFlat, Eye(9.9, 31)).message,
              kMessageCornersHidden);
    const PaperOutlineResult result = PaperOutlineFromCorners(flat, kStyleFlat, Eye(10.0, 31));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.PaperPoint[0], result.PaperPoint[5]);
    EXPECT_EQ(result.PaperPoint[1], result.PaperPoint[2]);
    EXPECT_EQ(result.PaperPoint[4], QPoint(30, 130)); // shifted by the four real corners
}

TEST(PaperOutline, UprightPaperMayNotBeTurnedEdgeOn)
{
    const FoundCorners upright = Without(kLFold, {3, 4});
    for (int angle : {-90, -88, 88, 90})
        EXPECT_EQ(PaperOutlineFromCorners(upright, kStyleUpright, Eye(75.2, angle)).message,
                  kMessagePaperTooSmall);
    for (int angle : {-87, 0, 87})
        EXPECT_TRUE(PaperOutlineFromCorners(upright, kStyleUpright, Eye(75.2, angle)).ok);
    const PaperOutlineResult result = PaperOutlineFromCorners(upright, kStyleUpright, Eye(75.2, -87));
    EXPECT_EQ(result.PaperPoint[3], result.PaperPoint[2]);
    EXPECT_EQ(result.PaperPoint[4], result.PaperPoint[5]);
    EXPECT_EQ(result.PaperPoint[1], QPoint(260, 0));
    EXPECT_FALSE(PaperOutlineFromCorners(Without(upright, {1}), kStyleUpright, Eye(75.2, 0)).ok);
}

} // namespace
} // namespace quorvane
