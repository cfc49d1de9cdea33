// The outline made from a photo's corners: kept at a bounded size, normalised, fitted to the
// canvas with the whole photo, with the camera the corners show.
#include <gtest/gtest.h>

#include <algorithm>

#include <QLineF>

#include "core/editor/PaperFitting.h"
#include "core/photo/PhotoCamera.h"
#include "core/photo/PhotoOutline.h"
#include "support/PaperPhoto.h"

using namespace quorvane;

// A photo over the stored size is reduced, its corners with it; the outline starts at 0 and
// each of its corners lies on the canvas where the photo drawn on the canvas shows it.
TEST(PhotoOutline, KeepsAReducedPhotoAndFitsTheOutlineWithIt)
{
    const test::PhotoPose pose{90, 55, 20, 25, 0, 0};
    const test::PaperPhoto drawn = test::DrawPaperPhoto(PaperLayout::LFold, pose, {}, QSize(1500, 1000));
    PhotoPoints corners = drawn.corners;
    for (QPointF& p : corners)
        p *= 3.0; // on a 4500 x 3000 photo
    const Paper paper{PaperFormat::A4, PaperLayout::LFold};
    const OutlineCapture capture = PhotoOutline(drawn.image.scaled(drawn.image.size() * 3), corners, paper);
    ASSERT_TRUE(capture.outline) << capture.message.toStdString();
    const PaperOutline& outline = *capture.outline;
    EXPECT_EQ(outline.Source, OutlineSource::Photo);
    const QSize stored = QSize(4500, 3000).scaled(4096, 4096, Qt::KeepAspectRatio);
    EXPECT_EQ(outline.Photo.size(), stored);
    EXPECT_EQ(outline.View, outline.Photo.size());
    const Outline& p = outline.PaperPoint;
    EXPECT_EQ(std::min_element(p.begin(), p.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); })->x(), 0);
    EXPECT_EQ(std::min_element(p.begin(), p.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); })->y(), 0);

    Document doc;
    doc.Outline = outline;
    const std::optional<QRectF> photo = PhotoOnCanvas(outline, QSizeF(853, 480));
    const std::optional<CanvasFit> fit = CanvasFitOf(doc, QSizeF(853, 480));
    ASSERT_TRUE(photo && fit);
    const double k = 480.0 / stored.height();
    EXPECT_EQ(*photo, QRectF(QPointF((853 - 4096 * k) / 2, 0), QSizeF(4096 * k, 480)));
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_LT(QLineF(outline.PhotoCorners[i], QPointF(corners[i].x() * 4096 / 4500, corners[i].y() * stored.height() / 3000)).length(), 0.01);
        const QPointF onCanvas = QPointF(outline.PaperPoint[i]) * fit->scale + fit->offset;
        EXPECT_LT(QLineF(onCanvas, photo->topLeft() + outline.PhotoCorners[i] * k).length(), 0.71 * k) << i;
    }
    EXPECT_NEAR(outline.Camera.CameraDistance * CmPerSceneUnit(paper), pose.distance, 0.02 * pose.distance);
    EXPECT_NEAR(outline.Camera.CameraAngle, pose.angle, 0.5);
}
