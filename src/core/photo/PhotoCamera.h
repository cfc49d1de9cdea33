#pragma once

// The camera that took a photo of the paper, worked out from the paper's corners in it and
// the paper's real size: a pinhole camera with square pixels and its principal point at the
// photo's centre, its vertical field of view solved with its pose.

#include <optional>

#include <QSize>

#include "core/photo/PhotoCorners.h"
#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

// The camera in the designer's terms, lengths in real centimetres of the printed paper.
struct PhotoCamera {
    double DistanceCm = 0.0; // horizontal distance of the eye from the paper's middle on the floor
    double HeightCm = 0.0;   // height of the eye above the floor
    double Angle = 0.0;      // the paper's turn about the vertical, degrees, as the designer turns it
    double FieldOfView = 0.0; // vertical, degrees
    double Error = 0.0;      // the largest distance of a corner from where this camera puts it, pixels
};

// No value when the corners cannot come from a camera in front of the paper (three in a
// line, a sheet seen edge-on, crossed edges).
std::optional<PhotoCamera> CameraFromCorners(const PhotoPoints& corners, QSize photoSize, const Paper& paper);

// The designer's camera for a photo's: its scene draws the paper larger than real.
CameraValues DesignerCamera(const PhotoCamera& camera, const Paper& paper);

// Real centimetres of the printed paper per unit of the designer's scene.
double CmPerSceneUnit(const Paper& paper);

} // namespace quorvane
