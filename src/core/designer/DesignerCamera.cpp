#include "core/designer/DesignerCamera.h"

#include <algorithm>

#include "core/shell/Numeric.h"

namespace quorvane {

DesignerCamera::DesignerCamera()
{
    for (CameraRow row : kCameraRows)
        SetSliderValue(row, RangeOf(row).Initial);
    kept_ = camera_;
}

bool DesignerCamera::SetSliderValue(CameraRow row, int value)
{
    const SliderRange& range = RangeOf(row);
    const int v = std::clamp(value, range.Min, range.Max);
    int& slider = sliders_[static_cast<int>(row)];
    const bool changed = slider != v;
    slider = v;
    switch (row) {
    case CameraRow::Distance:
        camera_.CameraDistance = v / 10.0;
        break;
    case CameraRow::Angle:
        camera_.CameraAngle = v;
        break;
    case CameraRow::Height:
        camera_.CameraHeight = v / 10.0;
        break;
    case CameraRow::FieldOfView:
        camera_.FieldOfView = v;
        break;
    }
    return changed;
}

int DesignerCamera::SliderValueOf(CameraRow row, const CameraValues& camera)
{
    switch (row) {
    case CameraRow::Distance:
        return RoundHalfEvenClamped(camera.CameraDistance * 10.0);
    case CameraRow::Angle:
        return RoundHalfEvenClamped(camera.CameraAngle);
    case CameraRow::Height:
        return RoundHalfEvenClamped(camera.CameraHeight * 10.0);
    case CameraRow::FieldOfView:
        break;
    }
    return RoundHalfEvenClamped(camera.FieldOfView);
}

bool DesignerCamera::ShowsLength(CameraRow row)
{
    return row == CameraRow::Distance || row == CameraRow::Height;
}

double DesignerCamera::FieldUnitsPerStep(CameraRow row)
{
    return ShowsLength(row) ? CmPerSceneUnit() / 10.0 : 1.0;
}

QString DesignerCamera::FieldUnit(CameraRow row)
{
    return ShowsLength(row) ? QStringLiteral("cm") : QStringLiteral("\u00b0");
}

QString DesignerCamera::FieldText(CameraRow row) const
{
    if (!ShowsLength(row))
        return QString::number(SliderValue(row));
    return QString::number(SliderValue(row) * FieldUnitsPerStep(row), 'f', 1);
}

void DesignerCamera::Commit(const Paper& paper)
{
    kept_ = camera_;
    keptPaper_ = paper;
}

void DesignerCamera::Keep(const CameraValues& camera, const Paper& paper)
{
    kept_ = camera;
    keptPaper_ = paper;
}

Paper DesignerCamera::Restore()
{
    camera_ = kept_;
    for (CameraRow row : {CameraRow::FieldOfView, CameraRow::Angle, CameraRow::Distance, CameraRow::Height})
        SetSliderValue(row, SliderValueOf(row, kept_));
    return keptPaper_;
}

} // namespace quorvane
