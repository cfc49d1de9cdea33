#include "core/generation/RowReplay.h"

#include "core/shell/Numeric.h"

namespace quorvane {

SampleKind ClassifySample(const TransformState& gen, float u, float v)
{
    const float w = gen.DstY2 - v;
    const float lastU = float(gen.BitsWidth - 1);
    const float lastW = float(gen.BitsHeight - 1);
    // i = trunc(u) and j = trunc(w) must name a pixel with a right and a lower neighbour.
    if (!(u > -1.0f && u < lastU && w > -1.0f && w < lastW))
        return SampleKind::None;
    if (u >= 0.0f && w >= 0.0f)
        return SampleKind::Full;
    return SampleKind::Partial; // i or j truncated up to 0: a fraction below 0
}

Colour FullSampleColour(const TransformState& gen, float u, float v)
{
    const float w = gen.DstY2 - v;
    const auto i = int32_t(u);
    const auto j = int32_t(w);
    const double fx = double(u) - i;
    const double fy = double(w) - j;
    const PixelBuffer::StoredBlock block = gen.SrcBits.Stored();
    const uint8_t* bytes = block.bytes;
    const size_t here = block.ReadOffset(i, j);
    const size_t right = here + PixelBuffer::kChannels;
    const size_t below = here + size_t(block.width) * PixelBuffer::kChannels;
    Colour colour;
    for (size_t c = 0; c < 3; ++c) {
        const double value = BlendChannel(fx, fy, bytes[here + c], bytes[right + c], bytes[below + c]);
        colour[c] = uint8_t(RoundHalfEvenClamped(value)); // a mean of bytes: always 0..255
    }
    return colour;
}

void CarriedColour::TakeFull(float u, float v)
{
    pending_ = true;
    u_ = u;
    v_ = v;
}

void CarriedColour::Apply(const TransformState& gen, float u, float v)
{
    Value(gen);
    SampleColour(gen, u, v, colour_);
}

const Colour& CarriedColour::Value(const TransformState& gen)
{
    if (pending_) {
        colour_ = FullSampleColour(gen, u_, v_);
        pending_ = false;
    }
    return colour_;
}

void WritePixel(TransformState& gen, int32_t column, int32_t row, const Colour& colour)
{
    const auto bytes = gen.DstBits.MutableRow(row);
    const size_t at = size_t(column) * PixelBuffer::kChannels;
    if (at + 3 >= bytes.size())
        return;
    bytes[at] = colour[0];
    bytes[at + 1] = colour[1];
    bytes[at + 2] = colour[2];
    bytes[at + 3] = 255;
}

void ReplayRow(TransformState& gen, const SurvivorPlan& plan, int32_t b, CarriedColour& carry, bool write)
{
    const RowWalk& walk = plan.walks[size_t(b)];
    const int32_t row = write ? plan.rows[size_t(b)] : -1;
    const float du = walk.stepU * plan.s;
    const float dv = walk.stepV * plan.s;
    float u = walk.L.x;
    float v = walk.L.y;
    auto survivor = plan.columns.begin();
    for (int32_t a = 0; a < plan.samplesPerRow; ++a) {
        const SampleKind kind = ClassifySample(gen, u, v);
        if (kind == SampleKind::Full)
            carry.TakeFull(u, v);
        else if (kind == SampleKind::Partial)
            carry.Apply(gen, u, v);
        if (row >= 0 && survivor != plan.columns.end() && survivor->sample == a) {
            WritePixel(gen, survivor->column, row, carry.Value(gen));
            ++survivor;
        }
        u = u + du;
        v = v + dv;
    }
}

void ReplayFirstSample(TransformState& gen, const SurvivorPlan& plan, int32_t b, CarriedColour& carry)
{
    const RowWalk& walk = plan.walks[size_t(b)];
    Colour colour = carry.Value(gen);
    SampleColour(gen, walk.L.x, walk.L.y, colour);
    if (plan.rows[size_t(b)] >= 0 && plan.firstColumn >= 0)
        WritePixel(gen, plan.firstColumn, plan.rows[size_t(b)], colour);
}

} // namespace quorvane
