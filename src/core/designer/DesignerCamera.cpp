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

QString DesignerCamera::FieldText(CameraRow row) const
{
    return QString::number(SliderValue(row));
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
    SetSliderValue(CameraRow::FieldOfView, RoundHalfEvenClamped(kept_.FieldOfView));
    SetSliderValue(CameraRow::Angle, RoundHalfEvenClamped(kept_.CameraAngle));
    SetSliderValue(CameraRow::Distance, RoundHalfEvenClamped(kept_.CameraDistance * 10.0));
    SetSliderValue(CameraRow::Height, RoundHalfEvenClamped(kept_.CameraHeight * 10.0));
    return keptPaper_;
}

} // namespace quorvane
