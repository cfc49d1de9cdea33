#include "core/designer/ProjectedOutline.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quorvane {

namespace {

constexpr double kNearPlane = 0.5;
constexpr double kFarPlane = 10000.0;

using Vector = std::array<double, 3>;

Vector Cross(const Vector& a, const Vector& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Vector& a, const Vector& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector Normalised(const Vector& v)
{
    const double length = std::sqrt(Dot(v, v));
    if (length == 0.0)
        return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

std::optional<QPointF> ViewPosition(const ScenePoint& point, const Paper& paper, const CameraValues& camera, QSize view)
{
    if (view.isEmpty())
        return std::nullopt;
    // The paper's turn about the vertical axis, then the eye looking at the aim point.
    const double turn = Radians(camera.CameraAngle);
    const Vector turned{std::cos(turn) * point.x + std::sin(turn) * point.z, point.y,
                        -std::sin(turn) * point.x + std::cos(turn) * point.z};
    const Vector eye{0.0, camera.CameraHeight, camera.CameraDistance};
    const Vector forward = Normalised({0.0, paper.AimHeight() - eye[1], -eye[2]});
    const Vector side = Normalised(Cross(forward, {0.0, 1.0, 0.0}));
    const Vector up = Cross(side, forward);
    const Vector relative{turned[0] - eye[0], turned[1] - eye[1], turned[2] - eye[2]};
    const double depth = Dot(forward, relative);
    if (depth < kNearPlane || depth > kFarPlane)
        return std::nullopt;
    const double focal = 1.0 / std::tan(Radians(camera.FieldOfView) / 2.0);
    const double aspect = double(view.width()) / double(view.height());
    const double ndcX = focal / aspect * Dot(side, relative) / depth;
    const double ndcY = focal * Dot(up, relative) / depth;
    return QPointF((ndcX + 1.0) * view.width() / 2.0, (ndcY + 1.0) * view.height() / 2.0);
}

OutlineCapture ProjectedOutline(const Paper& paper, const CameraValues& camera, QSize view)
{
    FoundCorners found;
    found.fill(kCornerNotFound);
    const SheetSize size = paper.SceneSize();
    for (int corner = 0; corner < 6; ++corner) {
        if (!MarkerDrawn(corner, paper.Layout))
            continue;
        const std::optional<QPointF> at = ViewPosition(CornerPosition(corner, size), paper, camera, view);
        if (!at)
            continue;
        const double column = std::floor(at->x());
        const double row = std::floor(at->y()); // from the bottom
        if (column < 0.0 || row < 0.0 || column >= view.width() || row >= view.height())
            continue;
        // The capture numbers rows from the top, plus one.
        found[corner] = QPoint(int(column), view.height() - int(row));
    }
    return CaptureOutline(found, paper, camera, view);
}

} // namespace quorvane
