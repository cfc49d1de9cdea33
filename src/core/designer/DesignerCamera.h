#pragma once

// The designer's camera: four sliders (distance, angle, height, field of view), the values
// the scene drawing reads from them, and the settings kept at the last OK for Cancel.

#include <array>

#include <QString>

#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

// The camera rows of the designer, in their order on screen; also the text field index.
enum class CameraRow { Distance = 0, Angle = 1, Height = 2, FieldOfView = 3 };
inline constexpr int kCameraRowCount = 4;
inline constexpr std::array<CameraRow, kCameraRowCount> kCameraRows{
    CameraRow::Distance, CameraRow::Angle, CameraRow::Height, CameraRow::FieldOfView};

struct SliderRange {
    int Min;
    int Max;
    int Initial;
    int LargeChange;
    int SmallChange;
};

// Distance and height count tenths of a scene unit, angle and field of view degrees.
inline constexpr std::array<SliderRange, kCameraRowCount> kSliderRanges{{
    {50, 4000, 1500, 100, 1},  // SliderDistance
    {-90, 90, 31, 10, 1},      // SliderRotate
    {30, 2000, 752, 100, 1},   // SliderEye
    {5, 90, 15, 5, 1},         // SliderFOV
}};

constexpr const SliderRange& RangeOf(CameraRow row)
{
    return kSliderRanges[static_cast<int>(row)];
}

class DesignerCamera {
public:
    DesignerCamera();

    int SliderValue(CameraRow row) const { return sliders_[static_cast<int>(row)]; }
    const CameraValues& Camera() const { return camera_; }

    // What a slider does when it is given a value: it takes the value clamped into its
    // range and updates the camera. Returns false when the slider's value did not change.
    bool SetSliderValue(CameraRow row, int value);

    // The slider value that shows a camera's value of the row, before clamping.
    static int SliderValueOf(CameraRow row, const CameraValues& camera);

    // Whether a row's field shows a length (distance, height) rather than an angle.
    static bool ShowsLength(CameraRow row);
    // What one slider step is in the unit a row's field shows: centimetres of the printed
    // paper for distance and height, degrees for angle and field of view.
    static double FieldUnitsPerStep(CameraRow row);
    // The unit a row's field shows ("cm", "°").
    static QString FieldUnit(CameraRow row);
    // The text a row's field shows for the current slider value: centimetres with one
    // decimal ("105.9"), whole degrees ("-45").
    QString FieldText(CameraRow row) const;

    // Remembers the current camera and the paper as the last committed settings.
    void Commit(const Paper& paper);
    // Takes these as the last committed settings, as when the document is put back by an undo.
    void Keep(const CameraValues& camera, const Paper& paper);
    // Returns to the last committed camera and sliders; gives the paper kept with it.
    Paper Restore();

    const CameraValues& Kept() const { return kept_; }
    const Paper& KeptPaper() const { return keptPaper_; }

private:
    std::array<int, kCameraRowCount> sliders_{};
    CameraValues camera_;
    CameraValues kept_;
    Paper keptPaper_;
};

} // namespace quorvane
