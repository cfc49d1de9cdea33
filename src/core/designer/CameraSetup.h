#pragma once

// Where the camera goes in the real room: the designer's camera measured from the printed
// paper, in centimetres. The origin is the middle of the paper's near edge (of the lying sheet
// when there is one, else the foot of the standing sheet); `Right` runs along that edge to
// the right as the camera sees the paper, `Back` on the table square to the edge towards the
// camera, `Up` is the height above the table.

#include <QString>

#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

struct SetupPoint {
    double Right = 0.0;
    double Back = 0.0;
    double Up = 0.0;
};

struct CameraSetup {
    Paper paper;
    SetupPoint Eye; // where the camera's lens is
    SetupPoint Aim; // the point it looks at
    double FieldOfView = 0.0; // vertical, degrees
    double Focal35mm = 0.0;   // the focal length giving that view on a landscape 36 x 24 mm frame
};

CameraSetup SetupOf(const Paper& paper, const CameraValues& camera);

// {"paper": {"format", "width", "height"}, "eye": {...}, "aim": {...}, "fov", "focal35mm"}:
// the eye and the aim to a millimetre, the paper's upright size as it is (assembled, for a grid
// of sheets).
QString SetupJson(const CameraSetup& setup);

// One line for the user: "Camera: 54.5 cm left, 83.3 cm in front of the near edge, 53.1 cm
// above the table; zoom 91 mm".
QString SetupLine(const CameraSetup& setup);

} // namespace quorvane
