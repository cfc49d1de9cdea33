// The lane kernels sixteen lanes at a time, for machines with AVX-512.
#if defined(__x86_64__)

// The kernel's dependencies first, built for the program's own instruction set.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

#include <immintrin.h>

#include "core/generation/ExactLanes.h"
#include "core/generation/RowReplay.h"
#include "core/generation/SurvivorLanes.h"
#include "core/generation/SurvivorLanesWide.h"

#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw,avx512dq,avx512vl")

#include "core/generation/LaneKernel.h"

namespace quorvane {

namespace {

struct SixteenLanes {
    using Floats = float __attribute__((vector_size(64)));
    using Ints = int32_t __attribute__((vector_size(64)));
    using Words = uint32_t __attribute__((vector_size(64)));

    // One 32-bit word per lane from base + byteOffsets, in one hardware gather.
    [[gnu::always_inline]] inline static Words GatherWords(const uint8_t* base, Ints byteOffsets)
    {
        // (The masked form: the plain one trips a false uninitialized warning in GCC 12.)
        return Words(_mm512_mask_i32gather_epi32(_mm512_setzero_si512(), __mmask16(0xffff), __m512i(byteOffsets), base, 1));
    }
};

} // namespace

void RunSixteenLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                     LaneOutcomes& outcomes)
{
    Lanes<SixteenLanes>::Run(gen, plan, laneRows, outcomes);
}

void RunSixteenExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                      uint8_t* rowBytes)
{
    Lanes<SixteenLanes>::ExactRow(gen, columns, row, rowBytes);
}

} // namespace quorvane

#pragma GCC pop_options

#endif
