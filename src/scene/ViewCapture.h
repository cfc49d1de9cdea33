#pragma once

// Reading the rendered view back from the framebuffer bound now.

#include <QImage>

#include "core/designer/CornerScan.h"

namespace quorvane {

// The pixels of the current viewport, bottom row first, blue, green, red, alpha. Empty
// when the viewport is.
CaptureBits ReadViewPixels();

// The captured pixels as an opaque picture, top row first.
QImage CaptureBitsToImage(const CaptureBits& bits);

} // namespace quorvane
