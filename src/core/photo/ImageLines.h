#pragma once

// Straight lines in a photo and where they meet, vanishing points included: the geometry
// the paper's corners are taken from.

#include <optional>

#include <QPointF>

namespace quorvane {

// a x + b y + c = 0 with (a, b) of length 1.
struct ImageLine {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// A point in homogeneous coordinates: (x / w, y / w), or a direction when w is 0.
struct ImagePoint3 {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
};

// The line through two distinct points.
ImageLine LineThrough(const QPointF& p, const QPointF& q);
// The line through a point towards a homogeneous point (a vanishing point, maybe at infinity).
ImageLine LineTowards(const QPointF& p, const ImagePoint3& towards);
// Where two lines meet, at infinity for parallel lines.
ImagePoint3 Meet(const ImageLine& l, const ImageLine& m);
// Where two lines meet; no value for (nearly) parallel ones.
std::optional<QPointF> Intersection(const ImageLine& l, const ImageLine& m);
// The sine of the angle between two lines, 0 to 1.
double SineBetween(const ImageLine& l, const ImageLine& m);

// A fold end of the L-folded paper on one of its sides: where the standing sheet's side
// (`upper`) meets the lying sheet's (`lower`). Seen from where the two lie almost in one
// line, it is where the whole side meets the fold, which runs from the other fold end
// towards the vanishing point of the paper's cross edges (top, fold and near edge are
// parallel on the paper). No value when neither way gives a point.
std::optional<QPointF> FoldEnd(const ImageLine& upper, const ImageLine& lower, const ImageLine& wholeSide,
                               const QPointF& otherFoldEnd, const ImagePoint3& crossVanishing);

} // namespace quorvane
