#include "core/photo/CornerEdit.h"

#include <algorithm>
#include <cmath>

#include "core/designer/CameraSetup.h"
#include "core/photo/CornerOrder.h"
#include "core/photo/PhotoCamera.h"

namespace quorvane {

namespace {

constexpr double kDefaultShare = 0.6; // of the photo the default corners span

QString Number(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

CameraReport ReportCamera(const PhotoPoints& corners, QSize photo, const Paper& paper)
{
    const std::optional<PhotoCamera> camera = CameraFromCorners(corners, photo, paper);
    if (!camera)
        return {false, QStringLiteral("No camera in front of the paper sees the corners there."), {}, {}, true};
    CameraReport report;
    report.found = true;
    report.camera = QStringLiteral("Distance %1 cm, angle %2\u00B0, height %3 cm, field of view %4\u00B0")
                        .arg(Number(camera->DistanceCm), Number(camera->Angle), Number(camera->HeightCm),
                             Number(camera->FieldOfView));
    report.setup = SetupLine(SetupOf(paper, DesignerCamera(*camera, paper)));
    report.warning = camera->Error > kCornerErrorWarning;
    report.error = QStringLiteral("Corner error: %1 px").arg(QString::number(camera->Error, 'f', 2));
    if (report.warning)
        report.error += QStringLiteral(". The paper is bent, the lens distorts or a corner is off.");
    return report;
}

PhotoPoints DefaultPhotoCorners(QSize photo, const Paper& paper)
{
    const PaperOutline outline = paper.DefaultOutline();
    QRectF bounds;
    for (int corner : ClockwiseCorners(paper.Layout)) {
        const QPointF p = outline.PaperPoint[size_t(corner)];
        bounds = bounds.isNull() ? QRectF(p, QSizeF(0, 0)) : bounds.united(QRectF(p, QSizeF(0, 0)));
    }
    const double scale = kDefaultShare * std::min(photo.width() / std::max(1.0, bounds.width()),
                                                  photo.height() / std::max(1.0, bounds.height()));
    const QPointF middle(photo.width() / 2.0, photo.height() / 2.0);
    PhotoPoints corners{};
    for (size_t i = 0; i < corners.size(); ++i)
        corners[i] = middle + (QPointF(outline.PaperPoint[i]) - bounds.center()) * scale;
    FillSharedCorners(corners, paper.Layout);
    return corners;
}

CornerEdit::CornerEdit(QSize photo, const Paper& paper, const PhotoPoints& corners)
    : photo_(photo)
    , layout_(paper.Layout)
    , corners_(corners)
    , handles_(ClockwiseCorners(paper.Layout))
{
}

void CornerEdit::Select(int corner)
{
    if (std::find(handles_.begin(), handles_.end(), corner) != handles_.end())
        selected_ = corner;
}

std::optional<int> CornerEdit::HandleNear(QPointF at, double reach) const
{
    std::optional<int> nearest;
    double best = reach;
    for (int corner : handles_) {
        const QPointF d = corners_[size_t(corner)] - at;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = corner;
        }
    }
    return nearest;
}

void CornerEdit::MoveTo(int corner, QPointF at)
{
    if (std::find(handles_.begin(), handles_.end(), corner) == handles_.end())
        return;
    corners_[size_t(corner)] = QPointF(std::clamp(at.x(), 0.0, double(photo_.width())),
                                       std::clamp(at.y(), 0.0, double(photo_.height())));
    FillSharedCorners(corners_, layout_);
}

void CornerEdit::Nudge(int dx, int dy)
{
    if (selected_)
        MoveTo(*selected_, corners_[size_t(*selected_)] + QPointF(dx, dy));
}

} // namespace quorvane
