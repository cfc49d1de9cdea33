#include <cmath>

#include <gtest/gtest.h>

#include "core/photo/PhotoCamera.h"
#include "core/photo/PhotoCorners.h"
#include "support/PaperPhoto.h"

using namespace quorvane;
using namespace quorvane::test;

namespace {

struct PhotoCase {
    friend void PrintTo(const PhotoCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    PaperLayout layout;
    PhotoPose pose;
    PhotoLook look;
};

// Corners within a pixel and the camera within 2 % and half a degree, on 3000 x 2000 photos
// across the layouts, near and far cameras, long and wide lenses, the paper turned both ways,
// the camera held a little askew, under light, blur, noise and JPEG of several strengths.
const PhotoCase kCases[] = {
    {"LFoldDesignerCamera", PaperLayout::LFold, {106, 53, 31, 15, 0, 0}, {0.3, 1.0, 3, 85}},
    {"LFoldNearWide", PaperLayout::LFold, {60, 40, 0, 35, 3, 1}, {0.2, 1.5, 4, 80}},
    {"LFoldTurnedRight", PaperLayout::LFold, {70, 45, -25, 30, -4, -2}, {0.35, 0.8, 2, 90}},
    {"LFoldFarLongLens", PaperLayout::LFold, {250, 150, 10, 12, 0, 0}, {0.25, 1.2, 3, 85}},
    {"LFoldWideTurnedLeft", PaperLayout::LFold, {45, 35, 40, 45, 2, 2}, {0.3, 2.0, 5, 75}},
    {"LFoldWideTurnedRight", PaperLayout::LFold, {55, 45, -40, 40, 0, -1}, {0.4, 1.0, 3, 92}},
    // The eye in the plane of the left side: that side looks straight, its fold end hidden.
    {"LFoldSideStraight", PaperLayout::LFold, {100, 60, 6.03, 22, 0, 0}, {0.3, 1.0, 3, 85}},
    {"LFoldHigh", PaperLayout::LFold, {90, 80, -15, 25, 5, 0}, {0.2, 1.5, 2, 80}},
    {"FlatFront", PaperLayout::Flat, {80, 60, 0, 30, 0, 0}, {0.3, 1.0, 3, 85}},
    {"FlatTurnedLeft", PaperLayout::Flat, {120, 90, 35, 20, -3, 1}, {0.25, 1.5, 4, 80}},
    {"FlatWideTurnedRight", PaperLayout::Flat, {60, 50, -40, 45, 0, -2}, {0.35, 2.0, 3, 90}},
    {"FlatFarLongLens", PaperLayout::Flat, {250, 170, -10, 12, 2, 0}, {0.3, 1.0, 2, 85}},
    {"FlatSteep", PaperLayout::Flat, {50, 60, 20, 45, 0, 3}, {0.2, 0.8, 5, 75}},
    {"FlatLow", PaperLayout::Flat, {100, 50, 15, 25, -2, 0}, {0.4, 1.2, 3, 92}},
    {"UprightFromAbove", PaperLayout::Upright, {100, 60, 0, 25, 0, 0}, {0.3, 1.0, 3, 85}},
    {"UprightTurnedLeft", PaperLayout::Upright, {80, 40, 30, 30, 3, 1}, {0.25, 1.5, 4, 80}},
    {"UprightWideTurnedRight", PaperLayout::Upright, {60, 35, -40, 45, 0, -1}, {0.35, 2.0, 3, 90}},
    {"UprightFarLongLens", PaperLayout::Upright, {250, 100, 15, 12, -3, 0}, {0.3, 1.2, 2, 85}},
    {"UprightTurnedRight", PaperLayout::Upright, {120, 50, -20, 18, 0, 2}, {0.2, 0.8, 5, 75}},
    {"UprightWideLow", PaperLayout::Upright, {70, 30, 40, 35, 2, 0}, {0.4, 1.0, 3, 92}},
};

class PhotoCorners : public ::testing::TestWithParam<PhotoCase> {};

TEST_P(PhotoCorners, FoundWithinAPixelAndTheCameraWithItsTolerances)
{
    const PhotoCase& c = GetParam();
    const PaperPhoto photo = DrawPaperPhoto(c.layout, c.pose, c.look);
    const CornerSearch found = FindPaperCorners(photo.image, c.layout);
    ASSERT_TRUE(found.corners.has_value()) << found.message.toStdString();
    for (size_t i = 0; i < 6; ++i) {
        const QPointF miss = (*found.corners)[i] - photo.corners[i];
        EXPECT_LT(std::hypot(miss.x(), miss.y()), 1.0) << "corner " << i;
    }
    const std::optional<PhotoCamera> camera =
        CameraFromCorners(*found.corners, photo.image.size(), Paper{PaperFormat::A4, c.layout});
    ASSERT_TRUE(camera.has_value());
    EXPECT_NEAR(camera->DistanceCm, c.pose.distance, 0.02 * c.pose.distance);
    EXPECT_NEAR(camera->HeightCm, c.pose.height, 0.02 * c.pose.height);
    EXPECT_NEAR(camera->Angle, c.pose.angle, 0.5);
    EXPECT_NEAR(camera->FieldOfView, c.pose.fov, 0.5);
    EXPECT_LT(camera->Error, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Poses, PhotoCorners, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    PhotoLook look;
    QRect crop; // of the 3000 x 2000 photo; empty for all of it
    const QString* message;
};

const RefusalCase kRefusals[] = {
    {"FloorAlone", {0.3, 1.0, 3, 85, false}, {}, &kMessageNoPaper},
    {"SecondSheetBeside", {0.3, 1.0, 3, 85, true, 24.0}, {}, &kMessageTwoSheets},
    {"CutOffAtTheBottom", {}, QRect(0, 0, 3000, 1250), &kMessagePaperCutOff},
};

TEST(PhotoWithoutPaper, IsRefusedWithItsReason)
{
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        QImage image = DrawPaperPhoto(PaperLayout::Flat, {80, 60, 0, 30, 0, 0}, c.look).image;
        if (!c.crop.isEmpty())
            image = image.copy(c.crop);
        const CornerSearch found = FindPaperCorners(image, PaperLayout::Flat);
        EXPECT_FALSE(found.corners.has_value());
        EXPECT_EQ(found.message, *c.message);
    }
}

} // namespace
