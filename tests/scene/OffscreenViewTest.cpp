// Real renders of the designer's view under the software renderer: the renderer's guards,
// texture resampling, and the captured corners against an independent projection.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include <GL/glu.h>
#include <QMatrix4x4>
#include <QTransform>

#include "core/designer/CornerCheck.h"
#include "core/designer/PaperScene.h"
#include "core/shell/PageStyle.h"
#include "scene/OffscreenView.h"
#include "scene/PaperTextures.h"

namespace quorvane {
namespace {

const QSize kView(523, 450);

// Where gluProject puts a scene point, given the camera as matrices built here.
QPointF ProjectPoint(const CameraValues& camera, double PageStyle, const ScenePoint& c)
{
    SheetSize size;
    SetPaperSize(PageStyle, size);
    QMatrix4x4 projection;
    projection.perspective(float(camera.FieldOfView), float(kView.width()) / float(kView.height()), 0.5f, 10000.0f);
    QMatrix4x4 model;
    model.lookAt(QVector3D(0, float(camera.CameraHeight), float(camera.CameraDistance)),
                 QVector3D(0, float(0.43 * size.SheetHeight), 0), QVector3D(0, 1, 0));
    model.rotate(float(camera.CameraAngle), 0, 1, 0);
    GLdouble m[16], p[16];
    std::copy_n(model.constData(), 16, m);
    std::copy_n(projection.constData(), 16, p);
    const GLint viewport[4] = {0, 0, kView.width(), kView.height()};
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(c.x, c.y, c.z, m, p, viewport, &wx, &wy, &wz);
    return QPointF(wx, kView.height() - wy); // from the top of the view
}

QPointF ProjectCorner(const CameraValues& camera, double PageStyle, int corner)
{
    SheetSize size;
    SetPaperSize(PageStyle, size);
    return ProjectPoint(camera, PageStyle, CornerPosition(corner, size));
}

// The larger of the two axes' distances between the points.
double AxisDistance(QPointF a, QPointF b)
{
    return std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
}

ScenePoint Between(const ScenePoint& a, const ScenePoint& b, double t)
{
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

class CornerCapture : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(view_.IsValid()) << view_.Error().toStdString(); }

    OffscreenView view_{kView};
};

TEST_F(CornerCapture, FindsEachDrawnCornerWhereTheCameraProjectsIt)
{
    struct Row { const char* name; double PageStyle; CameraValues camera; };
    const std::array<Row, 7> rows{{
        {"L-fold", kStyleLFold, {}},
        {"L-fold square on", kStyleLFold, {150.0, 75.2, 0.0, 15.0}},
        {"flat", kStyleFlat, {}},
        {"upright", kStyleUpright, {}},
        {"L-fold turned left from low", kStyleLFold, {90.0, 20.0, -60.0, 30.0}},
        {"flat from far above", kStyleFlat, {300.0, 200.0, 75.0, 10.0}},
        {"upright wide angle", kStyleUpright, {60.0, 40.0, 45.0, 70.0}},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        view_.Display(row.camera, row.PageStyle);
        const FoundCorners found = view_.CaptureCorners(row.camera, row.PageStyle);
        for (int corner = 0; corner < 6; ++corner) {
            if (!MarkerDrawn(corner, row.PageStyle))
                EXPECT_EQ(found[corner], kCornerNotFound) << " corner " << corner;
            else
                EXPECT_LE(AxisDistance(found[corner], ProjectCorner(row.camera, row.PageStyle, corner)), 1.0)
                    << " corner " << corner;
        }
        EXPECT_TRUE(PaperOutlineFromCorners(found, row.PageStyle, row.camera).ok);
    }
}

// The page printed on a sheet is seen through the projective mapping (homography) that
// takes the page's rectangle on that sheet to the sheet's four corners in the view; the
// scene's own projection of points inside each sheet must agree with it. The centre of
// each marker pixel, where the expected view puts the corner, lies within half a pixel of
// the corner's projection.
TEST_F(CornerCapture, PageOnEachSheetIsSeenThroughTheHomographyOfItsCorners)
{
    struct Row { double PageStyle; QSizeF page; CameraValues camera; };
    const std::array<Row, 4> rows{{
        {kStyleLFold, {1190, 1684}, {}},
        {kStyleFlat, {1190, 1684}, {}},
        {kStyleUpright, {1684, 1190}, {}},
        {kStyleLFold, {1190, 1684}, {100.0, 20.0, 20.0, 25.0}},
    }};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.PageStyle);
        const FoundCorners found = view_.CaptureCorners(row.camera, row.PageStyle);
        for (int corner = 2; corner < 6; corner += 3) { // drawn in every style
            const QPointF centre = QPointF(found[corner]) + QPointF(0.5, -0.5);
            EXPECT_LE(AxisDistance(centre, ProjectCorner(row.camera, row.PageStyle, corner)), 0.5 + 0.01) << corner;
        }
        SheetSize size;
        SetPaperSize(row.PageStyle, size);
        int sheets = 0;
        for (const std::array<int, 4>& sheet : {std::array{0, 1, 2, 5}, std::array{5, 2, 3, 4}}) {
            std::array<ScenePoint, 4> corner;
            QPolygonF onPage, inView;
            for (size_t k = 0; k < 4; ++k) {
                corner[k] = CornerPosition(sheet[k], size);
                const PagePoint t = PagePointAt(corner[k], size);
                onPage << QPointF(t.u * row.page.width(), t.v * row.page.height());
                inView << ProjectPoint(row.camera, row.PageStyle, corner[k]);
            }
            QTransform homography;
            if (!QTransform::quadToQuad(onPage, inView, homography))
                continue; // a sheet of no extent in this style
            ++sheets;
            for (double s = 0.1; s < 1.0; s += 0.2) {
                for (double r = 0.1; r < 1.0; r += 0.2) {
                    const ScenePoint p = Between(Between(corner[0], corner[1], s), Between(corner[3], corner[2], s), r);
                    const PagePoint t = PagePointAt(p, size);
                    const QPointF expected = homography.map(QPointF(t.u * row.page.width(), t.v * row.page.height()));
                    EXPECT_LE(AxisDistance(view_.Scene().Project(row.camera, row.PageStyle, p), expected), 0.01)
                        << " sheet " << sheet[0];
                }
            }
        }
        EXPECT_EQ(sheets, LayoutOf(row.PageStyle) == PaperLayout::LFold ? 2 : 1);
    }
}

TEST_F(CornerCapture, MarkerFrameHoldsOnlyTheMarkersTheNormalFrameTheLitPaperOnWhite)
{
    view_.CaptureCorners({}, kStyleLFold);
    const QImage markers = view_.Grab().convertToFormat(QImage::Format_RGB32); // still the marker frame
    const qsizetype pixels = markers.width() * markers.height();
    const auto* bits = reinterpret_cast<const QRgb*>(markers.constBits());
    EXPECT_EQ(std::count(bits, bits + pixels, qRgb(255, 255, 255)), pixels - 6); // all white but the markers

    view_.Display({}, kStyleLFold);
    const QImage frame = view_.Grab();
    EXPECT_EQ(frame.pixel(2, 2), qRgb(255, 255, 255));
    // Middle of the lying sheet: lit, textured paper, neither background nor dark.
    const QPointF middle = (ProjectCorner({}, kStyleLFold, 3) + ProjectCorner({}, kStyleLFold, 5)) / 2;
    const QRgb paper = frame.pixel(middle.toPoint());
    EXPECT_NE(paper, qRgb(255, 255, 255));
    EXPECT_GT(qGray(paper), 150);
    EXPECT_TRUE(view_.Messages().isEmpty());
}

class Renderer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view_.IsValid()) << view_.Error().toStdString();
        ASSERT_TRUE(view_.MakeCurrent());
    }

    OffscreenView view_{QSize(64, 48)};
};

TEST_F(Renderer, DropsADisplayRequestedWhileDrawing)
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

TEST_F(Renderer, ViewOfHeightZeroCountsAsOnePixelHigh)
{
    COpenGL& gl = view_.Scene().GL();
    gl.OnSize(200, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 200.0, 1e-3); // aspect = width (float matrices)

    gl.FieldOfView = 40.0; // no effect before SetViewPort
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double before = projection[5];
    gl.SetViewPort();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_GT(before, projection[5]);
}

TEST_F(Renderer, ResamplesTexturesToPowersOfTwoAndLeavesFittingOnesAlone)
{
    TextureBuffer wide = *PictureToTexture(QImage(300, 100, QImage::Format_RGB32));
    std::fill(wide.bytes.begin(), wide.bytes.end(), uint8_t(200));
    ASSERT_TRUE(ValidateTextureSize(wide, MaxTextureSize(), {}));
    EXPECT_EQ(QSize(wide.width, wide.height), QSize(256, 128));
    ASSERT_EQ(wide.bytes.size(), 256u * 128 * 4);
    EXPECT_EQ(wide.bytes[1000], 200); // a flat picture stays flat

    TextureBuffer small = *PictureToTexture(QImage(64, 64, QImage::Format_RGB32));
    const std::vector<uint8_t> before = small.bytes;
    ASSERT_TRUE(ValidateTextureSize(small, MaxTextureSize(), {}));
    EXPECT_EQ(small.bytes, before);
    EXPECT_FALSE(ValidateTextureSize(small, 0, {}));
}

} // namespace
} // namespace quorvane
