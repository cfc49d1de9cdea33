#include <gtest/gtest.h>

#include "core/designer/CornerCheck.h"

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

OutlineCapture Capture(const FoundCorners& found, PaperLayout layout, const CameraValues& camera)
{
    return CaptureOutline(found, Paper{PaperFormat::A4, layout}, camera, QSize(523, 450));
}

FoundCorners Without(FoundCorners corners, std::initializer_list<int> hidden)
{
    for (int i : hidden)
        corners[i] = kCornerNotFound;
    return corners;
}

TEST(PaperOutline, LFoldNeedsAllSixCornersAndIsShiftedToZeroKeepingItsPlaceInTheView)
{
    const std::optional<PaperOutline> outline = Capture(kLFold, PaperLayout::LFold, Eye(75.2, 31)).outline;
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->PaperPoint[0], QPoint(0, 60));
    EXPECT_EQ(outline->PaperPoint[1], QPoint(260, 0));
    EXPECT_EQ(outline->Source, OutlineSource::Designer);
    EXPECT_EQ(outline->Camera, Eye(75.2, 31));
    EXPECT_EQ(outline->ViewOrigin, QPoint(40, 60));
    EXPECT_EQ(outline->View, QSize(523, 450));
    for (int hidden = 0; hidden < 6; ++hidden) {
        const OutlineCapture refused = Capture(Without(kLFold, {hidden}), PaperLayout::LFold, Eye(75.2, 31));
        EXPECT_FALSE(refused.outline);
        EXPECT_EQ(refused.message, "Please make sure that all parts of the paper are visible.");
    }
}

TEST(PaperOutline, FlatPaperNeedsTheEyeAtTenCentimetres)
{
    const FoundCorners flat = Without(kLFold, {0, 1}); // markers 0 and 1 are not drawn
    EXPECT_EQ(Capture(flat, PaperLayout::Flat, Eye(9.9, 31)).message, "The paper area is too small.");
    EXPECT_EQ(Capture(Without(flat, {3}), PaperLayout::Flat, Eye(9.9, 31)).message, kMessageCornersHidden);
    const std::optional<PaperOutline> result = Capture(flat, PaperLayout::Flat, Eye(10.0, 31)).outline;
    ASSERT_TRUE(result);
    EXPECT_EQ(result->PaperPoint[0], result->PaperPoint[5]);
    EXPECT_EQ(result->PaperPoint[1], result->PaperPoint[2]);
    EXPECT_EQ(result->PaperPoint[4], QPoint(30, 130)); // shifted by the four real corners
}

TEST(PaperOutline, UprightPaperMayNotBeTurnedEdgeOn)
{
    const FoundCorners upright = Without(kLFold, {3, 4});
    for (int angle : {-90, -88, 88, 90})
        EXPECT_EQ(Capture(upright, PaperLayout::Upright, Eye(75.2, angle)).message, kMessagePaperTooSmall);
    for (int angle : {-87, 0, 87})
        EXPECT_TRUE(Capture(upright, PaperLayout::Upright, Eye(75.2, angle)).outline);
    const std::optional<PaperOutline> result = Capture(upright, PaperLayout::Upright, Eye(75.2, -87)).outline;
    ASSERT_TRUE(result);
    EXPECT_EQ(result->PaperPoint[3], result->PaperPoint[2]);
    EXPECT_EQ(result->PaperPoint[4], result->PaperPoint[5]);
    EXPECT_EQ(result->PaperPoint[1], QPoint(260, 0));
    EXPECT_FALSE(Capture(Without(upright, {1}), PaperLayout::Upright, Eye(75.2, 0)).outline);
}

} // namespace
} // namespace quorvane
