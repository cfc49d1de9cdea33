#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "core/generation/PixelBuffer.h"

namespace quorvane {

// Scales an opaque image to `size` by area averaging: every target pixel is the mean of
// the source area it covers, each source pixel weighted by the part of it covered. Works
// for reduction and enlargement on each axis. Null for a null image or an empty size.
QImage AreaAverageScale(const QImage& source, QSize size);

// The same reduction of a whole pixel buffer into `place` of target, which becomes opaque
// RGB32. Nothing is drawn when place does not lie inside target.
void AreaAverageInto(const PixelBuffer& source, QImage& target, const QRect& place);

} // namespace quorvane
