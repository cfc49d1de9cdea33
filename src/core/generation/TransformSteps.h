#pragma once

// The steps of a TransBitmap call that every engine shares: the sample step, the edge and
// row walks, one sample's colour, the stored row of a y value and the progress report.
// They hold the float rounding that decides where each sample lands and what it reads;
// both engines call these and nothing else for those values, so they cannot drift apart.

#include <array>
#include <cstdint>
#include <optional>

#include "core/generation/GenControl.h"
#include "core/generation/TransBitmap.h"

namespace quorvane {

// 0.2 when the quadrilateral's P1-P3 diagonal is longer than the target's, else 0.5.
float SampleStep(const TransformState& gen);

struct Edges {
    float thetaL = 0.0f; // direction of the left edge, P1 to P4
    float thetaR = 0.0f; // direction of the right edge, P2 to P3
    float kL = 0.0f;     // left edge length per unit of y
    float kR = 0.0f;
    float spanX = 0.0f;
    float spanY = 0.0f;
    double cosL = 1.0; // cos and sin of thetaL and thetaR, taken once
    double sinL = 0.0;
    double cosR = 1.0;
    double sinR = 0.0;
};

Edges EdgeSteps(const TransformState& gen);

// The values of one row's walk. A call keeps one for all its rows, so a failed store keeps
// the previous row's value.
struct RowWalk {
    SinglePoint L;
    SinglePoint R;
    float k = 0.0f;
    float stepU = 0.0f; // sample step per unit of x
    float stepV = 0.0f;

    void Start(const TransformState& gen, const Edges& e, float y);
};

using Colour = std::array<uint8_t, 3>; // blue, green, red

// The mean of a linear interpolation along the source row and one along the source column,
// for one channel: `here` at (i, j), `right` at (i + 1, j), `below` at (i, j + 1).
inline double BlendChannel(double fx, double fy, int here, int right, int below)
{
    return ((1 - fx) * here + fx * right) / 2 + ((1 - fy) * here + fy * below) / 2;
}

// The colour of the sample at (u, v), channel by channel. A channel whose reads or result
// fail keeps the colour computed before; nothing is computed on the last column or row.
void SampleColour(const TransformState& gen, float u, float v, Colour& colour);

// The stored row a y value writes: DstY2 - y rounded half to even.
std::optional<int32_t> StoredRow(const TransformState& gen, float y);

// GenProgress after the row at y.
void ReportProgress(const TransformState& gen, GenControl& control, float y);

} // namespace quorvane
