#pragma once

#include <QImage>
#include <QSize>

namespace quorvane {

// Scales an opaque image to `size` by area averaging: every target pixel is the mean of
// the source area it covers, each source pixel weighted by the part of it covered. Works
// for reduction and enlargement on each axis. Null for a null image or an empty size.
QImage AreaAverageScale(const QImage& source, QSize size);

} // namespace quorvane
