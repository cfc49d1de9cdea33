#include "core/generation/TransBitmap.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/generation/SingleStepLoop.h"
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

// 0.2 when the quadrilateral's P1-P3 diagonal is longer than the target's, else 0.5.
float SampleStep(const TransformState& gen)
{
    const auto& P = gen.SrcQuad;
    const auto ratio = Divide(Length(P[0].x - P[2].x, P[0].y - P[2].y),
                              Length(gen.DstX1 - gen.DstX2, gen.DstY1 - gen.DstY2));
    return ratio.value_or(0.0) > 1.0 ? 0.2f : 0.5f;
}

struct Edges {
    float thetaL = 0.0f; // direction of the left edge, P1 to P4
    float thetaR = 0.0f; // direction of the right edge, P2 to P3
    float kL = 0.0f;     // left edge length per unit of y
    float kR = 0.0f;
    float spanX = 0.0f;
    float spanY = 0.0f;
};

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
    return e;
}

// The values of one row's walk; they live for the whole call, so a failed store keeps
// the previous row's value.
struct RowWalk {
    SinglePoint L;
    SinglePoint R;
    float k = 0.0f;
    float stepU = 0.0f; // sample step per unit of x
    float stepV = 0.0f;

    void Start(const TransformState& gen, const Edges& e, float y)
    {
        const auto& P = gen.SrcQuad;
        const float t = y - gen.DstY1;
        const float tL = t * e.kL;
        const float tR = t * e.kR;
        StoreSingle(L.x, P[0].x + double(tL) * std::cos(double(e.thetaL)));
        StoreSingle(L.y, P[0].y + double(tL) * std::sin(double(e.thetaL)));
        StoreSingle(R.x, P[1].x + double(tR) * std::cos(double(e.thetaR)));
        StoreSingle(R.y, P[1].y + double(tR) * std::sin(double(e.thetaR)));
        const float theta = GetAngle(R.y - L.y, R.x - L.x);
        if (const auto q = Divide(Length(R.x - L.x, R.y - L.y), e.spanX))
            StoreSingle(k, *q);
        StoreSingle(stepU, double(k) * std::cos(double(theta)));
        StoreSingle(stepV, double(k) * std::sin(double(theta)));
    }
};

using Colour = std::array<uint8_t, 3>;

// The mean of a linear interpolation along the source row and one along the source
// column at (u, v), channel by channel. A channel whose reads or result fail keeps the
// colour computed before; nothing is computed on the last column or row.
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
        const double value = ((1 - fx) * *here + fx * *right) / 2 + ((1 - fy) * *here + fy * *below) / 2;
        const auto rounded = RoundHalfEven(value);
        if (rounded && *rounded >= 0 && *rounded <= 255)
            colour[c] = uint8_t(*rounded);
    }
}

// One row of samples at y; false when GenStop ended it.
bool SampleRow(TransformState& gen, const DocumentState& doc, const RowWalk& walk, float y, float s,
               Colour& colour)
{
    const auto row = RoundHalfEven(gen.DstY2 - y);
    float u = walk.L.x;
    float v = walk.L.y;
    return ForEachSingleStep(gen.DstX1, gen.DstX2, s, [&](float x) {
        SampleColour(gen, u, v, colour);
        const auto column = RoundHalfEven(x);
        if (row && column) {
            for (int c = 0; c < 3; ++c)
                gen.DstBits.SetByte(c, *column, *row, colour[c]);
        }
        u = u + walk.stepU * s;
        v = v + walk.stepV * s;
        return !doc.GenStop;
    });
}

void ReportProgress(const TransformState& gen, DocumentState& doc, float y)
{
    const float span = gen.DstY2 - gen.DstY1;
    if (span == 0.0f)
        return;
    const float share = (y - gen.DstY1) / span;
    const float percent = share * 50.0f;
    if (const auto progress = RoundHalfEven(double(percent) + doc.GenProgressBase))
        doc.GenProgress = *progress;
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

bool TransBitmap(TransformState& gen, DocumentState& doc, QImage& target, const RowCallback& afterRow)
{
    gen.DstBits = PixelBuffer(gen.BitsWidth, gen.BitsHeight, 255);
    const float s = SampleStep(gen);
    const Edges edges = EdgeSteps(gen);
    RowWalk walk;
    Colour colour{0, 0, 0}; // carried from sample to sample; black until one is computed
    const bool finished = ForEachSingleStep(gen.DstY1, gen.DstY2, s, [&](float y) {
        walk.Start(gen, edges, y);
        if (!SampleRow(gen, doc, walk, y, s, colour))
            return false;
        ReportProgress(gen, doc, y);
        if (afterRow)
            afterRow();
        return true;
    });
    if (!finished)
        return false;
    ShowBitmap(gen.DstBits, target);
    return true;
}

void ShowBitmap(const PixelBuffer& DstBits, QImage& target)
{
    DstBits.DrawInto(target);
}

} // namespace quorvane
