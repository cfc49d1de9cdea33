#include "core/designer/OrbitCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>


namespace quorvane {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kLowest = -80.0 * kDegree;
constexpr double kHighest = 85.0 * kDegree;
constexpr double kNearest = 5.0;
constexpr double kFarthest = 2000.0;

// The eye about the aim point: its distance and its elevation in radians.
struct Polar {
    double radius;
    double elevation;
};

Polar PolarOf(const CameraValues& camera, double aim)
{
    const double up = camera.CameraHeight - aim;
    return {std::hypot(camera.CameraDistance, up), std::atan2(up, camera.CameraDistance)};
}

CameraValues Place(CameraValues camera, double aim, Polar eye)
{
    camera.CameraDistance = eye.radius * std::cos(eye.elevation);
    camera.CameraHeight = aim + eye.radius * std::sin(eye.elevation);
    return camera;
}

} // namespace

CameraValues OrbitCamera(const CameraValues& camera, const Paper& paper, double turn, double raise)
{
    const double aim = paper.AimHeight();
    Polar eye = PolarOf(camera, aim);
    eye.elevation = std::clamp(eye.elevation + raise * kDegree, kLowest, kHighest);
    CameraValues moved = Place(camera, aim, eye);
    moved.CameraAngle = std::remainder(camera.CameraAngle + turn, 360.0);
    return moved;
}

CameraValues ZoomCamera(const CameraValues& camera, const Paper& paper, double factor)
{
    const double aim = paper.AimHeight();
    Polar eye = PolarOf(camera, aim);
    eye.radius = std::clamp(eye.radius * factor, kNearest, kFarthest);
    return Place(camera, aim, eye);
}

} // namespace quorvane
