#pragma once

// The default camera of a paper larger than one sheet: A4's camera moved back and up as far
// as the paper is larger, on the designer's slider steps. Where that would pass the farthest
// distance or the highest eye the sliders allow, the eye comes in along its line of sight as
// far as needed and the field of view opens by as much, so the paper fills the view as it
// would have from farther away.

#include "core/shell/CameraValues.h"

namespace quorvane {

CameraValues CameraForPiece(const CameraValues& camera, double factor);

} // namespace quorvane
