#pragma once

// The paper's corners at the photo's full resolution: each edge fitted as a straight line
// through where the brightness rises most steeply across it, the corners where the lines meet.

#include <optional>

#include <opencv2/core.hpp>

#include "core/photo/PhotoCorners.h"

namespace quorvane {

// Refines `coarse` (corners good to `searchWidth` pixels) on `gray`, the whole photo at 8
// bits, one channel. No value when an edge shows no rise along most of its length.
std::optional<PhotoPoints> RefineCorners(const cv::Mat& gray, const PhotoPoints& coarse, PaperLayout layout,
                                         double searchWidth);

} // namespace quorvane
