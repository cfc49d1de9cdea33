// Real renders of the designer's view under the software renderer, checked against an
// independent projection of the scene corners.
#include <gtest/gtest.h>

#include <GL/glu.h>
#include <QMatrix4x4>

#include "core/designer/CornerCheck.h"
#include "core/designer/PaperScene.h"
#include "core/shell/PageStyle.h"
#include "scene/OffscreenView.h"

namespace quorvane {
namespace {

const QSize kView(523, 450);

// Where gluProject puts a scene corner, given the camera as matrices built here.
QPointF ProjectCorner(const CameraValues& camera, double PageStyle, int corner, QSize view)
{
    SheetSize size;
    SetPaperSize(PageStyle, size);
    QMatrix4x4 projection;
    projection.perspective(float(camera.FieldOfView), float(view.width()) / float(view.height()), 0.5f, 10000.0f);
    QMatrix4x4 model;
    model.lookAt(QVector3D(0, float(camera.CameraHeight), float(camera.CameraDistance)),
                 QVector3D(0, float(0.43 * size.SheetHeight), 0), QVector3D(0, 1, 0));
    model.rotate(float(camera.CameraAngle), 0, 1, 0);
    GLdouble m[16], p[16];
    for (int i = 0; i < 16; ++i) {
        m[i] = model.constData()[i];
        p[i] = projection.constData()[i];
    }
    const GLint viewport[4] = {0, 0, view.width(), view.height()};
    const ScenePoint c = CornerPosition(corner, size);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(c.x, c.y, c.z, m, p, viewport, &wx, &wy, &wz);
    return QPointF(wx, view.height() - wy); // from the top of the view
}

struct CaptureCase {
    const char* name;
    double PageStyle;
    CameraValues camera;
};

class CornerCapture : public testing::TestWithParam<CaptureCase> {};

TEST_P(CornerCapture, FindsEachDrawnCornerWhereTheCameraProjectsIt)
{
    const CaptureCase& c = GetParam();
    OffscreenView view(kView);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    view.Display(c.camera, c.PageStyle);
    const FoundCorners found = view.CaptureCorners(c.camera, c.PageStyle);
    for (int corner = 0; corner < 6; ++corner) {
        if (!MarkerDrawn(corner, c.PageStyle)) {
            EXPECT_EQ(found[corner], kCornerNotFound) << corner;
            continue;
        }
        const QPointF expected = ProjectCorner(c.camera, c.PageStyle, corner, kView);
        EXPECT_NEAR(found[corner].x(), expected.x(), 1.0) << "corner " << corner;
        EXPECT_NEAR(found[corner].y(), expected.y(), 1.0) << "corner " << corner;
    }
    EXPECT_TRUE(PaperOutlineFromCorners(found, c.PageStyle, 752, 31).ok);
}

INSTANTIATE_TEST_SUITE_P(
    Cameras, CornerCapture,
    testing::Values(CaptureCase{"LFold", kStyleLFold, {}},
                    CaptureCase{"Flat", kStyleFlat, {}},
                    CaptureCase{"Upright", kStyleUpright, {}},
                    CaptureCase{"LFoldTurnedLeftFromLow", kStyleLFold, {90.0, 20.0, -60.0, 30.0}},
                    CaptureCase{"FlatFromFarAbove", kStyleFlat, {300.0, 200.0, 75.0, 10.0}},
                    CaptureCase{"UprightWideAngle", kStyleUpright, {60.0, 40.0, 45.0, 70.0}}),
    [](const testing::TestParamInfo<CaptureCase>& info) { return std::string(info.param.name); });

TEST(CornerCapture, ACameraTooCloseLosesCornersAndIsRefused)
{
    OffscreenView view(kView);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    const CameraValues close{5.0, 75.2, 31.0, 15.0};
    const FoundCorners found = view.CaptureCorners(close, kStyleLFold);
    const PaperOutlineResult result = PaperOutlineFromCorners(found, kStyleLFold, 752, 31);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Please make sure that all parts of the paper are visible.");
}

TEST(CornerCapture, SquareOnCameraSeesTheFoldedPaperCentred)
{
    OffscreenView view(kView);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    const FoundCorners found = view.CaptureCorners({150.0, 75.2, 0.0, 15.0}, kStyleLFold);
    // Mirror pairs: 0 and 1 (top edge), 5 and 2 (fold), 4 and 3 (near edge).
    for (auto [left, right] : {std::pair{0, 1}, std::pair{5, 2}, std::pair{4, 3}}) {
        EXPECT_NEAR(found[left].x() + found[right].x(), kView.width(), 1.0);
        EXPECT_EQ(found[left].y(), found[right].y());
    }
    EXPECT_LT(found[1].y(), found[2].y()); // the standing sheet above the fold
    EXPECT_LT(found[2].y(), found[3].y()); // the lying sheet in front of it, lower in the view
}

TEST(CornerCapture, MarkerFrameHoldsOnlyTheMarkers)
{
    OffscreenView view(kView);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    view.CaptureCorners({}, kStyleLFold);
    const QImage frame = view.Grab(); // still the marker frame
    int marked = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            marked += frame.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_EQ(marked, 6);
}

TEST(CornerCapture, NormalFrameShowsTheShadedPaperOnWhite)
{
    OffscreenView view(kView);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    const CameraValues camera;
    view.Display(camera, kStyleLFold);
    const QImage frame = view.Grab();
    EXPECT_EQ(frame.pixel(2, 2), qRgb(255, 255, 255));
    // Middle of the lying sheet: lit, textured paper, neither background nor dark.
    const QPointF near = ProjectCorner(camera, kStyleLFold, 3, kView);
    const QPointF far = ProjectCorner(camera, kStyleLFold, 5, kView);
    const QRgb middle = frame.pixel(((near + far) / 2).toPoint());
    EXPECT_NE(middle, qRgb(255, 255, 255));
    EXPECT_GT(qGray(middle), 150);
    EXPECT_TRUE(view.Messages().isEmpty());
}

} // namespace
} // namespace quorvane
