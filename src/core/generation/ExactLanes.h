#pragma once

// One output row of the exact mapping, several columns per vector. Along a row the
// projective transform is u = (a x + U) / (g x + D), v = (d x + V) / (g x + D) with U, V and
// D fixed by the row, so every column is computed on its own, with no chain between them.
// The kernels are the survivor lanes' own (LaneKernel.h), one per instruction set.

#include <cstdint>
#include <vector>

#include "core/generation/SurvivorLanes.h"
#include "core/generation/TransBitmap.h"

namespace quorvane {

// The columns a row writes and the x each one samples, padded by repeating the last to a
// multiple of kMaxSurvivorLanes.
struct ExactColumns {
    std::vector<float> xs;
    std::vector<int32_t> columns;
};

// The transform along one output row.
struct ExactRowTerms {
    float a = 0.0f; // the terms in x
    float d = 0.0f;
    float g = 0.0f;
    float U = 0.0f; // b y + c
    float V = 0.0f; // e y + f
    float D = 0.0f; // h y + i
};

// Writes every listed column of the row at rowBytes: SrcBits blended from the four pixels
// around (u, DstY2 - v), white where that point is more than half a pixel off SrcBits
// (BitsWidth x BitsHeight, both at least 2). Every width gives the same bytes.
void RunExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                   uint8_t* rowBytes, LaneWidth width);

} // namespace quorvane
