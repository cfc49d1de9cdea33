#pragma once

#include <optional>

#include <QRect>

namespace quorvane {

// Where the result viewer draws a page of aspect ResultAspect (width / height) in a display
// area of SW x SH pixels: aspect kept, touching two opposite edges, centred along the
// other axis. Values round half to even; the centring offset uses the unrounded width or
// height. No value when the area has no height or the aspect is not positive.
std::optional<QRect> FitResultToView(float SW, float SH, double ResultAspect);

} // namespace quorvane
