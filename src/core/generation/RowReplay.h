#pragma once

// Exact replay of single rows of a TransBitmap call, for the rows the fast lanes leave:
// rows with samples off the source, the rows before a stop, and the first sample after
// it. A sample off the source writes the colour carried over from the last sample that
// computed one, so the replay carries that colour as the reference engine does, but
// computes it only when a write or a partial sample needs it.

#include <cstdint>

#include "core/generation/SurvivorPlan.h"
#include "core/generation/TransBitmap.h"
#include "core/generation/TransformSteps.h"

namespace quorvane {

enum class SampleKind {
    Full,    // all three channels computed, from inside the source
    None,    // nothing computed: the carried colour stays
    Partial, // at most some channels computed (a position just before column or row 0)
};

SampleKind ClassifySample(const TransformState& gen, float u, float v);

// The colour of a Full sample, computed exactly as SampleColour computes it.
Colour FullSampleColour(const TransformState& gen, float u, float v);

// The colour carried from sample to sample; the page's white until one is computed.
class CarriedColour {
public:
    // A Full sample: its colour becomes the carried one, computed when first needed.
    void TakeFull(float u, float v);
    // Any other sample, applied over the carried colour.
    void Apply(const TransformState& gen, float u, float v);
    const Colour& Value(const TransformState& gen);

private:
    Colour colour_{255, 255, 255};
    bool pending_ = false;
    float u_ = 0.0f;
    float v_ = 0.0f;
};

// Runs every sample of row b over `carry`. When `write`, the row's surviving samples are
// written to its stored row of DstBits, as the reference engine leaves that row.
void ReplayRow(TransformState& gen, const SurvivorPlan& plan, int32_t b, CarriedColour& carry, bool write);

// The first sample of row b, computed over `carry` and written: what a stop leaves.
void ReplayFirstSample(TransformState& gen, const SurvivorPlan& plan, int32_t b, CarriedColour& carry);

// One destination pixel as the bytes blue, green, red, 255.
void WritePixel(TransformState& gen, int32_t column, int32_t row, const Colour& colour);

} // namespace quorvane
