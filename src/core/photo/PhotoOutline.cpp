#include "core/photo/PhotoOutline.h"

#include <algorithm>
#include <cmath>

#include "core/photo/CornerOrder.h"
#include "core/photo/PhotoCamera.h"

namespace quorvane {

namespace {

constexpr double kMaxCorner = 1e6; // photo pixels from its top-left corner

// The pixel whose marker convention (column, row counted from the top plus one) the
// designer's outline uses for a point, so that both sources share the outline's meaning.
QPoint MarkerPixel(const QPointF& corner)
{
    return QPoint(int(std::lround(corner.x() - 0.5)), int(std::lround(corner.y() + 0.5)));
}

bool CameraIsUsable(const CameraValues& camera)
{
    return std::isfinite(camera.CameraDistance) && std::isfinite(camera.CameraAngle) && camera.CameraHeight > 0.1
           && camera.CameraHeight < 1e4 && camera.CameraDistance < 1e4 && camera.FieldOfView >= 1.0
           && camera.FieldOfView <= 179.0;
}

} // namespace

QImage StoredPhoto(const QImage& photo)
{
    if (photo.isNull())
        return {};
    // Reduced before it is converted: a large photo is not copied whole once more.
    if (std::max(photo.width(), photo.height()) <= kMaxStoredPhotoSide)
        return photo.convertToFormat(QImage::Format_RGB32);
    return photo.scaled(kMaxStoredPhotoSide, kMaxStoredPhotoSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

OutlineCapture PhotoOutline(const QImage& photo, const PhotoPoints& corners, const Paper& paper)
{
    PaperOutline outline;
    outline.Source = OutlineSource::Photo;
    outline.Photo = StoredPhoto(photo);
    if (outline.Photo.isNull())
        return {std::nullopt, QStringLiteral("The photo is empty.")};
    const double sx = double(outline.Photo.width()) / photo.width();
    const double sy = double(outline.Photo.height()) / photo.height();
    FoundCorners pixels{};
    for (size_t i = 0; i < corners.size(); ++i) {
        // Far outside the photo (or not a number) a corner is no camera's, and no pixel's.
        if (!(std::abs(corners[i].x()) <= kMaxCorner) || !(std::abs(corners[i].y()) <= kMaxCorner))
            return {std::nullopt, kMessageNoPhotoCamera};
        outline.PhotoCorners[i] = QPointF(corners[i].x() * sx, corners[i].y() * sy);
    }
    // A flat or upright paper's repeated corners are the ones it shows, whatever was given.
    FillSharedCorners(outline.PhotoCorners, paper.Layout);
    for (size_t i = 0; i < corners.size(); ++i)
        pixels[i] = MarkerPixel(outline.PhotoCorners[i]);
    outline.PaperPoint = NormaliseOutline(pixels);
    if (const std::optional<QString> problem = OutlineProblem(outline.PaperPoint, paper.Layout))
        return {std::nullopt, *problem};
    const std::optional<PhotoCamera> camera = CameraFromCorners(outline.PhotoCorners, outline.Photo.size(), paper);
    if (!camera || !CameraIsUsable(DesignerCamera(*camera, paper)))
        return {std::nullopt, kMessageNoPhotoCamera};
    outline.Camera = DesignerCamera(*camera, paper);
    outline.ViewOrigin = pixels[2] - outline.PaperPoint[2];
    outline.View = outline.Photo.size();
    return {outline, {}};
}

} // namespace quorvane
