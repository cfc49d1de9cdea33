#include "core/designer/PieceCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/designer/DesignerCamera.h"
#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

// The largest value a length slider allows, in scene units.
double LengthLimit(CameraRow row)
{
    return RangeOf(row).Max / 10.0;
}

// A length on the slider's step of a tenth of a scene unit, never past its largest value.
double OnLengthStep(double length, CameraRow row)
{
    return std::min(RoundHalfEvenClamped(length * 10.0) / 10.0, LengthLimit(row));
}

} // namespace

CameraValues CameraForPiece(const CameraValues& camera, double factor)
{
    const double distance = camera.CameraDistance * factor;
    const double height = camera.CameraHeight * factor;
    double nearer = 1.0; // how much of the way the eye keeps
    if (distance > 0.0)
        nearer = std::min(nearer, LengthLimit(CameraRow::Distance) / distance);
    if (height > 0.0)
        nearer = std::min(nearer, LengthLimit(CameraRow::Height) / height);
    CameraValues moved = camera;
    moved.CameraDistance = OnLengthStep(distance * nearer, CameraRow::Distance);
    moved.CameraHeight = OnLengthStep(height * nearer, CameraRow::Height);
    if (nearer < 1.0) {
        const double half = camera.FieldOfView * std::numbers::pi / 360.0;
        const double widened = 360.0 / std::numbers::pi * std::atan(std::tan(half) / nearer);
        moved.FieldOfView = std::min(std::ceil(widened), double(RangeOf(CameraRow::FieldOfView).Max));
    }
    return moved;
}

} // namespace quorvane
