// Real renders of the designer's view under the software renderer, checked against an
// independent projection of the scene corners.
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

class CornerCapture : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(view_.IsValid()) << view_.Error().toStdString(); }

    OffscreenView view_{kView};
};

TEST_F(CornerCapture, FindsEachDrawnCornerWhereTheCameraProjectsIt)
{
    struct Row { const char* name; double PageStyle; CameraValues camera; };
    const std::array<Row, 6> rows{{
        {"L-fold", kStyleLFold, {}},
        {"flat", kStyleFlat, {}},
        {"upright", kStyleUpright, {}},
        {"L-fold turned left from low", kStyleLFold, {90.0, 20.0, -60.0, 30.0}},
        {"flat from far above", kStyleFlat, {300.0, 200.0, 75.0, 10.0}},
        {"upright wide angle", kStyleUpright, {60.0, 40.0, 45.0, 70.0}},
    }};
    for (const Row& row : rows) {
        view_.Display(row.camera, row.PageStyle);
        const FoundCorners found = view_.CaptureCorners(row.camera, row.PageStyle);
        for (int corner = 0; corner < 6; ++corner) {
            if (!MarkerDrawn(corner, row.PageStyle)) {
                EXPECT_EQ(found[corner], kCornerNotFound) << row.name << " corner " << corner;
                continue;
            }
            const QPointF expected = ProjectCorner(row.camera, row.PageStyle, corner);
            EXPECT_NEAR(found[corner].x(), expected.x(), 1.0) << row.name << " corner " << corner;
            EXPECT_NEAR(found[corner].y(), expected.y(), 1.0) << row.name << " corner " << corner;
        }
        EXPECT_TRUE(PaperOutlineFromCorners(found, row.PageStyle, row.camera).ok) << row.name;
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
        const FoundCorners found = view_.CaptureCorners(row.camera, row.PageStyle);
        for (int corner = 2; corner < 6; corner += 3) { // drawn in every style
            const QPointF centre = QPointF(found[corner]) + QPointF(0.5, -0.5);
            const QPointF projected = ProjectCorner(row.camera, row.PageStyle, corner);
            EXPECT_LE(std::abs(centre.x() - projected.x()), 0.5 + 0.01) << row.PageStyle << " corner " << corner;
            EXPECT_LE(std::abs(centre.y() - projected.y()), 0.5 + 0.01) << row.PageStyle << " corner " << corner;
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
                    const auto along = [&](auto axis) {
                        return (1 - r) * ((1 - s) * axis(corner[0]) + s * axis(corner[1]))
                               + r * ((1 - s) * axis(corner[3]) + s * axis(corner[2]));
                    };
                    const ScenePoint p{along([](const ScenePoint& q) { return q.x; }),
                                       along([](const ScenePoint& q) { return q.y; }),
                                       along([](const ScenePoint& q) { return q.z; })};
                    const PagePoint t = PagePointAt(p, size);
                    const QPointF expected = homography.map(QPointF(t.u * row.page.width(), t.v * row.page.height()));
                    const QPointF seen = view_.Scene().Project(row.camera, row.PageStyle, p);
                    EXPECT_NEAR(seen.x(), expected.x(), 0.01) << row.PageStyle << " sheet " << sheet[0];
                    EXPECT_NEAR(seen.y(), expected.y(), 0.01) << row.PageStyle << " sheet " << sheet[0];
                }
            }
        }
        EXPECT_EQ(sheets, LayoutOf(row.PageStyle) == PaperLayout::LFold ? 2 : 1) << row.PageStyle;
    }
}

TEST_F(CornerCapture, SquareOnCameraSeesTheFoldedPaperCentred)
{
    const FoundCorners found = view_.CaptureCorners({150.0, 75.2, 0.0, 15.0}, kStyleLFold);
    // Mirror pairs: 0 and 1 (top edge), 5 and 2 (fold), 4 and 3 (near edge).
    for (auto [left, right] : {std::pair{0, 1}, std::pair{5, 2}, std::pair{4, 3}}) {
        EXPECT_NEAR(found[left].x() + found[right].x(), kView.width(), 1.0);
        EXPECT_EQ(found[left].y(), found[right].y());
    }
    EXPECT_LT(found[1].y(), found[2].y()); // the standing sheet above the fold
    EXPECT_LT(found[2].y(), found[3].y()); // the lying sheet in front of it, lower in the view
}

TEST_F(CornerCapture, MarkerFrameHoldsOnlyTheMarkersTheNormalFrameTheLitPaperOnWhite)
{
    view_.CaptureCorners({}, kStyleLFold);
    const QImage markers = view_.Grab(); // still the marker frame
    int marked = 0;
    for (int y = 0; y < markers.height(); ++y) {
        for (int x = 0; x < markers.width(); ++x)
            marked += markers.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_EQ(marked, 6);

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

} // namespace
} // namespace quorvane
