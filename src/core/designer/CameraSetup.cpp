#include "core/designer/CameraSetup.h"

#include <cmath>
#include <numbers>

namespace quorvane {

namespace {

// Half the height of a 36 x 24 mm frame.
constexpr double kHalfFrameMm = 12.0;

QString Cm(double value)
{
    return QString::number(std::abs(value) < 0.05 ? 0.0 : value, 'f', 1);
}

QString PointJson(const SetupPoint& point)
{
    return QStringLiteral("{\"right\": %1, \"back\": %2, \"up\": %3}").arg(Cm(point.Right), Cm(point.Back), Cm(point.Up));
}

} // namespace

// The paper is turned by the camera's angle about the vertical through the middle of the
// lying sheet, with the eye straight in front of that point; seen from the paper, the eye
// is turned the other way.
CameraSetup SetupOf(const Paper& paper, const CameraValues& camera)
{
    const double cm = CmPerSceneUnit();
    const double nearEdge = paper.SceneSize().SheetDepth / 2.0;
    const double turn = camera.CameraAngle * std::numbers::pi / 180.0;
    CameraSetup setup;
    setup.paper = paper;
    setup.Eye = {-camera.CameraDistance * std::sin(turn) * cm,
                 (camera.CameraDistance * std::cos(turn) - nearEdge) * cm, camera.CameraHeight * cm};
    setup.Aim = {0.0, -nearEdge * cm, paper.AimHeight() * cm};
    setup.FieldOfView = camera.FieldOfView;
    setup.Focal35mm = kHalfFrameMm / std::tan(camera.FieldOfView / 2.0 * std::numbers::pi / 180.0);
    return setup;
}

QString SetupJson(const CameraSetup& setup)
{
    const Paper upright{setup.paper.Format, PaperLayout::LFold, setup.paper.Grid};
    const QSizeF size = upright.PageSizeMm() / 10.0;
    return QStringLiteral("{\"paper\": {\"format\": \"%1\", \"width\": %2, \"height\": %3}, \"eye\": %4, "
                          "\"aim\": %5, \"fov\": %6, \"focal35mm\": %7}")
        .arg(FormatName(setup.paper.Format), QString::number(size.width()), QString::number(size.height()), PointJson(setup.Eye),
             PointJson(setup.Aim), QString::number(setup.FieldOfView), QString::number(setup.Focal35mm, 'f', 1));
}

QString SetupLine(const CameraSetup& setup)
{
    const SetupPoint& eye = setup.Eye;
    const QString side = eye.Right < 0.0 ? QStringLiteral("left") : QStringLiteral("right");
    const QString front = eye.Back < 0.0 ? QStringLiteral("behind") : QStringLiteral("in front of");
    return QStringLiteral("Camera: %1 cm %2, %3 cm %4 the near edge, %5 cm above the table; zoom %6 mm")
        .arg(Cm(std::abs(eye.Right)), side, Cm(std::abs(eye.Back)), front, Cm(eye.Up))
        .arg(std::lround(setup.Focal35mm));
}

} // namespace quorvane
