#pragma once

// The projective transform (homography) that takes an upright rectangle onto a
// quadrilateral: (x, y) goes to ((a x + b y + c) / (g x + h y + i), (d x + e y + f) / (g x + h y + i)).

#include <array>
#include <optional>

#include <QPointF>
#include <QRectF>

namespace quorvane {

struct Homography {
    // a, b, c / d, e, f / g, h, i, row by row.
    std::array<double, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};

    QPointF Map(double x, double y) const;
};

// The transform taking the rectangle's corners (x1, y1), (x2, y1), (x2, y2), (x1, y2) onto
// quad[0..3] in that order. No value when the rectangle has no area, or when no projective
// transform without a vanishing line inside the rectangle joins them (three corners in a
// line, a quadrilateral that is crossed or not convex).
std::optional<Homography> RectangleToQuad(double x1, double y1, double x2, double y2,
                                          const std::array<QPointF, 4>& quad);

} // namespace quorvane
