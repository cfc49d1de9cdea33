#include "core/generation/Homography.h"

#include <cmath>

namespace quorvane {

namespace {

// The unit square's corners (0,0), (1,0), (1,1), (0,1) onto q[0..3].
std::optional<Homography> SquareToQuad(const std::array<QPointF, 4>& q)
{
    const double dx1 = q[1].x() - q[2].x();
    const double dy1 = q[1].y() - q[2].y();
    const double dx2 = q[3].x() - q[2].x();
    const double dy2 = q[3].y() - q[2].y();
    const double dx3 = q[0].x() - q[1].x() + q[2].x() - q[3].x();
    const double dy3 = q[0].y() - q[1].y() + q[2].y() - q[3].y();
    const double det = dx1 * dy2 - dx2 * dy1;
    if (det == 0.0 || !std::isfinite(det))
        return std::nullopt;
    const double g = (dx3 * dy2 - dx2 * dy3) / det;
    const double h = (dx1 * dy3 - dx3 * dy1) / det;
    Homography s;
    s.m = {q[1].x() - q[0].x() + g * q[1].x(), q[3].x() - q[0].x() + h * q[3].x(), q[0].x(),
           q[1].y() - q[0].y() + g * q[1].y(), q[3].y() - q[0].y() + h * q[3].y(), q[0].y(),
           g, h, 1.0};
    return s;
}

double Denominator(const Homography& t, double x, double y)
{
    return t.m[6] * x + t.m[7] * y + t.m[8];
}

} // namespace

QPointF Homography::Map(double x, double y) const
{
    const double w = m[6] * x + m[7] * y + m[8];
    return {(m[0] * x + m[1] * y + m[2]) / w, (m[3] * x + m[4] * y + m[5]) / w};
}

std::optional<Homography> RectangleToQuad(double x1, double y1, double x2, double y2,
                                          const std::array<QPointF, 4>& quad)
{
    const double sx = x2 - x1;
    const double sy = y2 - y1;
    const auto square = SquareToQuad(quad);
    if (!square || sx == 0.0 || sy == 0.0)
        return std::nullopt;
    // Composed with the rectangle onto the unit square: s = (x - x1) / sx, t = (y - y1) / sy.
    const auto& q = square->m;
    Homography t;
    for (int r = 0; r < 3; ++r) {
        const double a = q[size_t(3 * r)];
        const double b = q[size_t(3 * r + 1)];
        t.m[size_t(3 * r)] = a / sx;
        t.m[size_t(3 * r + 1)] = b / sy;
        t.m[size_t(3 * r + 2)] = q[size_t(3 * r + 2)] - a * x1 / sx - b * y1 / sy;
    }
    // The denominator is linear: positive at the four corners means positive all over the
    // rectangle, so no point of it goes to infinity or folds over.
    for (const double x : {x1, x2}) {
        for (const double y : {y1, y2}) {
            if (!(Denominator(t, x, y) > 0.0))
                return std::nullopt;
        }
    }
    return t;
}

} // namespace quorvane
