#include "core/photo/ImageLines.h"

#include <cmath>

namespace quorvane {

namespace {

// Below this angle between the sheets' sides their crossing moves too much with a small
// error in either line: the fold gives the better crossing.
const double kSharpFoldSine = std::sin(8.0 * M_PI / 180.0);

ImageLine Normalised(double a, double b, double c)
{
    const double length = std::hypot(a, b);
    if (length == 0.0)
        return {};
    return {a / length, b / length, c / length};
}

} // namespace

ImageLine LineThrough(const QPointF& p, const QPointF& q)
{
    return LineTowards(p, {q.x(), q.y(), 1.0});
}

ImageLine LineTowards(const QPointF& p, const ImagePoint3& towards)
{
    // The cross product of (p, 1) and the homogeneous point.
    return Normalised(p.y() * towards.w - towards.y, towards.x - p.x() * towards.w,
                      p.x() * towards.y - p.y() * towards.x);
}

ImagePoint3 Meet(const ImageLine& l, const ImageLine& m)
{
    return {l.b * m.c - l.c * m.b, l.c * m.a - l.a * m.c, l.a * m.b - l.b * m.a};
}

std::optional<QPointF> Intersection(const ImageLine& l, const ImageLine& m)
{
    const ImagePoint3 p = Meet(l, m);
    if (std::abs(p.w) < 1e-9)
        return std::nullopt;
    return QPointF(p.x / p.w, p.y / p.w);
}

double SineBetween(const ImageLine& l, const ImageLine& m)
{
    return std::abs(l.a * m.b - l.b * m.a);
}

std::optional<QPointF> FoldEnd(const ImageLine& upper, const ImageLine& lower, const ImageLine& wholeSide,
                               const QPointF& otherFoldEnd, const ImagePoint3& crossVanishing)
{
    if (SineBetween(upper, lower) >= kSharpFoldSine)
        return Intersection(upper, lower);
    return Intersection(wholeSide, LineTowards(otherFoldEnd, crossVanishing));
}

} // namespace quorvane
