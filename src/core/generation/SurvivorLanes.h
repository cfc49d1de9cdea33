#pragma once

// The surviving samples of several rows at once, one row per lane. Each row's sample point
// is a chain of float additions that must run in order; lanes run several chains side by
// side and compute each surviving sample with single-precision vector arithmetic, falling
// back to the exact double formula for a channel within reach of a rounding tie.

#include <array>
#include <cstdint>
#include <span>

#include "core/generation/SurvivorPlan.h"
#include "core/generation/TransBitmap.h"

namespace quorvane {

inline constexpr int kMaxSurvivorLanes = 16;

struct LaneOutcome {
    // Every surviving sample of the row and its last sample are Full: the row written is
    // final, and the colour carried out of it is its last sample's, at (lastU, lastV).
    bool exact = false;
    float lastU = 0.0f;
    float lastV = 0.0f;
};

using LaneOutcomes = std::array<LaneOutcome, kMaxSurvivorLanes>;

enum class LaneWidth {
    Widest,  // the widest this machine runs, unless QUORVANE_SIMD names a narrower one
    Four,    // 4 rows at once, the path of every machine (SSE2 on x86-64)
    Eight,   // 8 rows at once, on machines with AVX2
    Sixteen, // 16 rows at once, on machines with AVX-512 (F, BW, DQ, VL)
};

// Whether this machine runs that width (Widest and Four: always).
bool MachineRuns(LaneWidth width);

// The width Widest stands for: the widest this machine runs, or the one the environment
// variable QUORVANE_SIMD names (avx512, avx2 or sse) when the machine runs it.
LaneWidth WidestLaneWidth();

// The instruction set of a width: "avx512", "avx2" or "sse".
const char* LaneWidthName(LaneWidth width);

// How many rows RunSurvivorLanes takes at once at that width; a width the machine does not
// run stands for the next narrower one it does.
int SurvivorLaneCount(LaneWidth width);

// Writes the surviving samples of the rows `laneRows` (1 to SurvivorLaneCount(width) rows
// that are the last of their stored row) into DstBits, which must be BitsWidth x
// BitsHeight. A row that is not exact is written with stand-in colours and must be
// replayed exactly.
void RunSurvivorLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                      LaneWidth width, LaneOutcomes& outcomes);

} // namespace quorvane
