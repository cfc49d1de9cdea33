// The lane kernels eight lanes at a time, for machines with AVX2.
#if defined(__x86_64__)

// The kernel's dependencies first, built for the program's own instruction set.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

#include "core/generation/ExactLanes.h"
#include "core/generation/RowReplay.h"
#include "core/generation/SurvivorLanes.h"
#include "core/generation/SurvivorLanesWide.h"

#pragma GCC push_options
#pragma GCC target("avx2")

#include "core/generation/LaneKernel.h"

namespace quorvane {

namespace {

struct EightLanes {
    using Floats = float __attribute__((vector_size(32)));
    using Ints = int32_t __attribute__((vector_size(32)));
    using Words = uint32_t __attribute__((vector_size(32)));
};

} // namespace

void RunEightLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                   LaneOutcomes& outcomes)
{
    Lanes<EightLanes>::Run(gen, plan, laneRows, outcomes);
}

void RunEightExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                      uint8_t* rowBytes)
{
    Lanes<EightLanes>::ExactRow(gen, columns, row, rowBytes);
}

} // namespace quorvane

#pragma GCC pop_options

#endif
