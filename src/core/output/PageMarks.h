#pragma once

// Marks drawn onto a made page to help print and fold it: short fold ticks at the left and
// right edges of the L-fold page at the fold's row, and a 5 cm scale bar in a corner where
// the page is white (the first of bottom left, bottom right, top left, top right; none when
// no corner is white).

#include <cstdint>
#include <optional>

#include <QImage>
#include <QRect>

#include "core/shell/Paper.h"

namespace quorvane {

inline constexpr double kScaleBarMm = 50.0;

// Where the scale bar goes on `page` (its black bar only), or no value when no corner is white.
std::optional<QRect> ScaleBarPlace(const QImage& page, int32_t PageDpi);

// Draws the marks onto the page, made for `paper` at PageDpi. Does nothing to a null page or
// at a resolution of zero.
void DrawPageMarks(QImage& page, const Paper& paper, int32_t PageDpi);

} // namespace quorvane
