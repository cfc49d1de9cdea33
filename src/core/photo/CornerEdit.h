#pragma once

// The corners the user checks over the photo before they become the outline: the ones the
// layout shows (a flat or upright paper's shared corners move together), the selected one,
// drags and nudges kept inside the photo, and what the corners say of the camera.

#include <optional>
#include <vector>

#include <QPointF>
#include <QSize>
#include <QString>

#include "core/shell/Paper.h"
#include "core/shell/PaperOutline.h"

namespace quorvane {

// Above this many pixels between a corner and where the camera puts it, the user is warned.
inline constexpr double kCornerErrorWarning = 2.0;

// The camera the corners show, as the user reads it.
struct CameraReport {
    bool found = false;  // whether a camera in front of the paper sees the corners there
    QString camera;      // the designer's values: distance, angle, height (real cm), field of view
    QString setup;       // where the camera stands in the room (CameraSetup's line)
    QString error;       // the largest corner error, with the warning when above kCornerErrorWarning
    bool warning = false;
};

CameraReport ReportCamera(const PhotoPoints& corners, QSize photo, const Paper& paper);

// Corners to start from when none were found: the default outline's sheets for the layout,
// scaled into the middle of the photo.
PhotoPoints DefaultPhotoCorners(QSize photo, const Paper& paper);

class CornerEdit {
public:
    CornerEdit(QSize photo, const Paper& paper, const PhotoPoints& corners);

    const PhotoPoints& Corners() const { return corners_; }
    QSize PhotoSize() const { return photo_; }
    // The corners the layout shows, clockwise from the top left: the handles.
    const std::vector<int>& Handles() const { return handles_; }
    std::optional<int> Selected() const { return selected_; }
    // Selects a handle; other corners select nothing.
    void Select(int corner);
    // The handle nearest `at` within `reach` photo pixels; no value when none is.
    std::optional<int> HandleNear(QPointF at, double reach) const;
    // Puts a handle at `at`, kept inside the photo; the corner sharing its place follows.
    void MoveTo(int corner, QPointF at);
    // Moves the selected handle by whole photo pixels.
    void Nudge(int dx, int dy);

private:
    QSize photo_;
    PaperLayout layout_;
    PhotoPoints corners_;
    std::vector<int> handles_;
    std::optional<int> selected_;
};

} // namespace quorvane
