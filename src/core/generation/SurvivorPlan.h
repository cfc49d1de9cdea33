#pragma once

// Which samples of a TransBitmap call leave a mark. Later samples overwrite earlier ones,
// and every row takes the same x values, so of all the samples that hit a pixel only one
// survives: the last one of the last row that writes the pixel's stored row. The plan
// lists those samples, found by running the very counters the reference engine runs, and
// each row's walk as the reference engine has it when it reaches that row.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/generation/TransBitmap.h"
#include "core/generation/TransformSteps.h"

namespace quorvane {

struct ColumnSurvivor {
    int32_t sample; // index of the sample within a row (0 for x = DstX1)
    int32_t column; // the destination column it writes
    float x;        // its counter value
};

struct SurvivorPlan {
    float s = 0.5f;
    int32_t samplesPerRow = 0;
    // The surviving sample of every written column, by increasing sample index.
    std::vector<ColumnSurvivor> columns;
    int32_t firstColumn = -1; // the column the first sample of a row writes; -1 for none
    std::vector<float> ys;        // y of each row, in loop order
    std::vector<int32_t> rows;    // the stored row each row writes; -1 for none
    std::vector<uint8_t> lastOfRow; // 1 when no later row writes the same stored row
    std::vector<RowWalk> walks;   // each row's walk

    int32_t RowCount() const { return int32_t(ys.size()); }
};

// No value when the call is outside what the plan covers: buffers that do not match
// BitsWidth x BitsHeight, sides below 2 or beyond float precision, loops without a
// sample, or loops far longer than the buffer (the reference engine then serves).
std::optional<SurvivorPlan> MakeSurvivorPlan(const TransformState& gen);

} // namespace quorvane
