#include "core/generation/TransformSteps.h"

#include <cmath>
#include <limits>

#include "core/shell/Numeric.h"

// Precision of every value, kept exactly as designed: which pixel a sample hits and the
// colour it gets depend on the float rounding, so none of this may be "improved".
// - float: the target rectangle, the quadrilateral, the step s (0.2f or 0.5f), the counters
//   x and y, the angles thetaL, thetaR and theta (GetAngle's result), kL, kR, k, the row
//   ends L and R, the running sample point (u, v) and its step per unit of x.
// - float op float stays float, rounded after every operation: point differences, their
//   squares and the sum of the squares, dy / dx in GetAngle, (y - Y1) * kL, Y2 - v, Y2 - y,
//   step * s and u + step * s, (y - Y1) / (Y2 - Y1) * 50.
// - double: every square root and what it meets (the diagonal ratio, length / span), cos,
//   sin and atan and what they meet (P1.x + (y - Y1) * kL * cos thetaL, k * cos theta),
//   pi = 3.14159265 and t +- pi, fx = u - i and fy = w - j, the channel interpolation, and
//   the progress once GenProgressBase is added.
// - A store rounds to the variable's type; a value the variable cannot hold is a failed
//   step and leaves it as it was (so kL stays 0 for a target of zero height). Conversions to
//   integers round half to even, except i and j, which truncate toward zero.
// The library is built with -ffp-contract=off: a fused multiply-add would change these.

namespace quorvane {

namespace {

constexpr double kPi = 3.14159265;

bool StoreSingle(float& variable, double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return false;
    variable = static_cast<float>(value);
    return true;
}

// Square root of a float sum of float squares.
double Length(float dx, float dy)
{
    const float sum = dx * dx + dy * dy;
    return std::sqrt(double(sum));
}

std::optional<int32_t> TruncateToLong(float value)
{
    const double truncated = std::trunc(double(value));
    if (!std::isfinite(truncated) || truncated < double(std::numeric_limits<int32_t>::min())
        || truncated > double(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(truncated);
}

} // namespace

float GetAngle(float dy, float dx)
{
    if (dx != 0.0f) {
        float t = 0.0f;
        const float q = dy / dx;
        if (std::isfinite(q))
            StoreSingle(t, std::atan(double(q)));
        if (dx < 0.0f)
            StoreSingle(t, dy < 0.0f ? double(t) - kPi : double(t) + kPi);
        return t;
    }
    if (std::fabs(dy) == 0.0f)
        return 0.0f;
    return dy > 0.0f ? static_cast<float>(kPi / 2) : static_cast<float>(-kPi / 2);
}

float SampleStep(const TransformState& gen)
{
    const auto& P = gen.SrcQuad;
    const auto ratio = Divide(Length(P[0].x - P[2].x, P[0].y - P[2].y),
                              Length(gen.DstX1 - gen.DstX2, gen.DstY1 - gen.DstY2));
    return ratio.value_or(0.0) > 1.0 ? 0.2f : 0.5f;
}

Edges EdgeSteps(const TransformState& gen)
{
    const auto& P = gen.SrcQuad;
    Edges e;
    e.thetaL = GetAngle(P[3].y - P[0].y, P[3].x - P[0].x);
    e.thetaR = GetAngle(P[2].y - P[1].y, P[2].x - P[1].x);
    e.spanX = gen.DstX2 - gen.DstX1;
    e.spanY = gen.DstY2 - gen.DstY1;
    if (const auto q = Divide(Length(P[0].x - P[3].x, P[0].y - P[3].y), e.spanY))
        StoreSingle(e.kL, *q);
    if (const auto q = Divide(Length(P[1].x - P[2].x, P[1].y - P[2].y), e.spanY))
        StoreSingle(e.kR, *q);
    e.cosL = std::cos(double(e.thetaL));
    e.sinL = std::sin(double(e.thetaL));
    e.cosR = std::cos(double(e.thetaR));
    e.sinR = std::sin(double(e.thetaR));
    return e;
}

void RowWalk::Start(const TransformState& gen, const Edges& e, float y)
{
    const auto& P = gen.SrcQuad;
    const float t = y - gen.DstY1;
    const float tL = t * e.kL;
    const float tR = t * e.kR;
    StoreSingle(L.x, P[0].x + double(tL) * e.cosL);
    StoreSingle(L.y, P[0].y + double(tL) * e.sinL);
    StoreSingle(R.x, P[1].x + double(tR) * e.cosR);
    StoreSingle(R.y, P[1].y + double(tR) * e.sinR);
    const float theta = GetAngle(R.y - L.y, R.x - L.x);
    if (const auto q = Divide(Length(R.x - L.x, R.y - L.y), e.spanX))
        StoreSingle(k, *q);
    StoreSingle(stepU, double(k) * std::cos(double(theta)));
    StoreSingle(stepV, double(k) * std::sin(double(theta)));
}

void SampleColour(const TransformState& gen, float u, float v, Colour& colour)
{
    const float w = gen.DstY2 - v;
    const auto i = TruncateToLong(u);
    const auto j = TruncateToLong(w);
    if (!i || !j || *j >= int64_t(gen.BitsHeight) - 1 || *i >= int64_t(gen.BitsWidth) - 1)
        return;
    const double fx = double(u) - *i;
    const double fy = double(w) - *j;
    for (int c = 0; c < 3; ++c) {
        const auto here = gen.SrcBits.Byte(c, *i, *j);
        const auto right = gen.SrcBits.Byte(c, *i + 1, *j);
        const auto below = gen.SrcBits.Byte(c, *i, *j + 1);
        if (!here || !right || !below)
            continue;
        const auto rounded = RoundHalfEven(BlendChannel(fx, fy, *here, *right, *below));
        if (rounded && *rounded >= 0 && *rounded <= 255)
            colour[size_t(c)] = uint8_t(*rounded);
    }
}

std::optional<int32_t> StoredRow(const TransformState& gen, float y)
{
    return RoundHalfEven(gen.DstY2 - y);
}

void ReportProgress(const TransformState& gen, GenControl& control, float y)
{
    const float span = gen.DstY2 - gen.DstY1;
    if (span == 0.0f)
        return;
    const float share = (y - gen.DstY1) / span;
    const float percent = share * 50.0f;
    if (const auto progress = RoundHalfEven(double(percent) + control.GenProgressBase))
        control.GenProgress = *progress;
}

} // namespace quorvane
