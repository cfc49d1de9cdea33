// Real renders of the designer's view under the software renderer: the renderer's guards,
// texture resampling, and the captured corners against an independent projection.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <GL/glu.h>
#include <QMatrix4x4>

#include "core/designer/CornerCheck.h"
#include "core/designer/PaperScene.h"
#include "core/designer/ProjectedOutline.h"
#include "core/shell/Paper.h"
#include "scene/OffscreenView.h"
#include "scene/PaperTextures.h"

namespace quorvane {
namespace {

const QSize kView(523, 450);

// Where gluProject puts a corner of the paper, given the camera as matrices built here.
QPointF ProjectCorner(const CameraValues& camera, const Paper& paper, int corner)
{
    const SheetSize size = paper.SceneSize();
    QMatrix4x4 projection;
    projection.perspective(float(camera.FieldOfView), float(kView.width()) / float(kView.height()), 0.5f, 10000.0f);
    QMatrix4x4 model;
    model.lookAt(QVector3D(0, float(camera.CameraHeight), float(camera.CameraDistance)),
                 QVector3D(0, float(paper.AimHeight()), 0), QVector3D(0, 1, 0));
    model.rotate(float(camera.CameraAngle), 0, 1, 0);
    GLdouble m[16], p[16];
    std::copy_n(model.constData(), 16, m);
    std::copy_n(projection.constData(), 16, p);
    const GLint viewport[4] = {0, 0, kView.width(), kView.height()};
    const ScenePoint c = CornerPosition(corner, size);
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(c.x, c.y, c.z, m, p, viewport, &wx, &wy, &wz);
    return QPointF(wx, kView.height() - wy); // from the top of the view
}

// The larger of the two axes' distances between the points.
double AxisDistance(QPointF a, QPointF b)
{
    return std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
}

class SceneView : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view_.IsValid()) << view_.Error().toStdString();
        ASSERT_TRUE(view_.MakeCurrent());
    }

    OffscreenView view_{kView};
};

TEST_F(SceneView, FindsEachDrawnCornerWhereTheCameraProjectsIt)
{
    const Paper lfold, flat{PaperFormat::A4, PaperLayout::Flat}, upright{PaperFormat::A4, PaperLayout::Upright};
    struct Row { const char* name; Paper paper; CameraValues camera; };
    const std::array<Row, 6> rows{{
        {"L-fold", lfold, {}},
        {"L-fold square on", lfold, {150.0, 75.2, 0.0, 15.0}},
        {"flat", flat, {}},
        {"upright", upright, {}},
        {"L-fold turned left from low", lfold, {90.0, 20.0, -60.0, 30.0}},
        {"upright wide angle", upright, {60.0, 40.0, 45.0, 70.0}},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view_.Display(row.camera, row.paper);
        const FoundCorners found = view_.CaptureCorners(row.camera, row.paper);
        for (int corner = 0; corner < 6; ++corner) {
            if (!MarkerDrawn(corner, row.paper.Layout))
                EXPECT_EQ(found[corner], kCornerNotFound) << " corner " << corner;
            else // the centre of the marker pixel, within half a pixel
                EXPECT_LE(AxisDistance(QPointF(found[corner]) + QPointF(0.5, -0.5),
                                       ProjectCorner(row.camera, row.paper, corner)), 0.5 + 0.01)
                    << " corner " << corner;
        }
        EXPECT_TRUE(CaptureOutline(found, row.paper, row.camera, kView).outline);
    }
    EXPECT_TRUE(view_.Messages().isEmpty());
}

TEST_F(SceneView, DropsADisplayRequestedWhileDrawing)
{
    COpenGL& gl = view_.Scene().GL();
    int frames = 0;
    gl.OnDisplay = [&] {
        ++frames;
        gl.Display();
    };
    gl.Display();
    EXPECT_EQ(frames, 1);
}

TEST_F(SceneView, ViewOfHeightZeroCountsAsOnePixelHigh)
{
    COpenGL& gl = view_.Scene().GL();
    gl.OnSize(200, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 200.0, 1e-3); // aspect = width (float matrices)
}

// The sizes are TextureSizeFor's; here the scaled bytes replace the picture's.
TEST_F(SceneView, ResamplesTexturesToPowersOfTwo)
{
    TextureBuffer wide = *PictureToTexture(QImage(300, 100, QImage::Format_RGB32));
    std::fill(wide.bytes.begin(), wide.bytes.end(), uint8_t(200));
    ASSERT_TRUE(ValidateTextureSize(wide, MaxTextureSize(), {}));
    EXPECT_EQ(QSize(wide.width, wide.height), QSize(256, 128));
    ASSERT_EQ(wide.bytes.size(), 256u * 128 * 4);
    EXPECT_EQ(wide.bytes[1000], 200); // a flat picture stays flat
}

// The default outline of a paper of several sheets is worked out, not captured: it must be
// what the drawn scene's capture finds at the default camera.
TEST(SceneCapture, DefaultOutlineOfAGridIsWhatTheCaptureFinds)
{
    const QSize view(974, 838);
    OffscreenView offscreen(view);
    ASSERT_TRUE(offscreen.IsValid()) << offscreen.Error().toStdString();
    ASSERT_TRUE(offscreen.MakeCurrent());
    for (const Paper& paper : {Paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2}},
                               Paper{PaperFormat::A3, PaperLayout::Upright, SheetGrid{3, 1}},
                               Paper{PaperFormat::Letter, PaperLayout::Flat, SheetGrid{6, 6}},
                               Paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{1, 5}}}) {
        SCOPED_TRACE(GridText(paper.Grid).toStdString());
        const PaperOutline outline = paper.DefaultOutline();
        const OutlineCapture captured =
            CaptureOutline(offscreen.CaptureCorners(outline.Camera, paper), paper, outline.Camera, view);
        ASSERT_TRUE(captured.outline);
        EXPECT_EQ(captured.outline->PaperPoint, outline.PaperPoint);
    }
}

} // namespace
} // namespace quorvane
