#pragma once

// A free camera about the paper for looking at a printed page from anywhere: it orbits the
// point the designer's eye aims at and moves nearer or farther, starting from the
// designer's camera.

#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

// Turns the paper by `turn` degrees and raises the eye along its circle about the aim
// point by `raise` degrees, keeping its distance from that point. The eye stays between
// 80 degrees below and 85 degrees above the aim point's level.
CameraValues OrbitCamera(const CameraValues& camera, const Paper& paper, double turn, double raise);

// Moves the eye along its line of sight: its distance from the aim point times `factor`,
// kept from 5 cm to 20 m.
CameraValues ZoomCamera(const CameraValues& camera, const Paper& paper, double factor);

} // namespace quorvane
