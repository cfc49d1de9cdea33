#include "core/generation/SurvivorLanes.h"

#include <cstdlib>
#include <cstring>

#include "core/generation/LaneKernel.h"
#include "core/generation/SurvivorLanesWide.h"

namespace quorvane {

namespace {

struct FourLanes {
    using Floats = float __attribute__((vector_size(16)));
    using Ints = int32_t __attribute__((vector_size(16)));
    using Words = uint32_t __attribute__((vector_size(16)));
};

bool MachineHas(LaneWidth width)
{
#if defined(__x86_64__)
    switch (width) {
    case LaneWidth::Sixteen:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")
            && __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
    case LaneWidth::Eight:
        return __builtin_cpu_supports("avx2");
    case LaneWidth::Widest:
    case LaneWidth::Four:
        break;
    }
#endif
    return width == LaneWidth::Four || width == LaneWidth::Widest;
}

const char* SetName(LaneWidth width)
{
    switch (width) {
    case LaneWidth::Sixteen:
        return "avx512";
    case LaneWidth::Eight:
        return "avx2";
    case LaneWidth::Widest:
    case LaneWidth::Four:
        break;
    }
    return "sse";
}

// The widest width the machine runs, at most `limit`.
LaneWidth WidestUpTo(LaneWidth limit)
{
    for (const LaneWidth width : {LaneWidth::Sixteen, LaneWidth::Eight}) {
        if (int(width) <= int(limit) && MachineHas(width))
            return width;
    }
    return LaneWidth::Four;
}

LaneWidth ChooseWidest()
{
    const char* named = std::getenv("QUORVANE_SIMD");
    for (const LaneWidth width : {LaneWidth::Four, LaneWidth::Eight, LaneWidth::Sixteen}) {
        if (named && std::strcmp(named, SetName(width)) == 0)
            return WidestUpTo(width);
    }
    return WidestUpTo(LaneWidth::Sixteen);
}

// Widest resolved; a width the machine lacks as the next narrower one it has.
LaneWidth Resolve(LaneWidth width)
{
    return width == LaneWidth::Widest ? WidestLaneWidth() : WidestUpTo(width);
}

void RunFourLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                  LaneOutcomes& outcomes)
{
    Lanes<FourLanes>::Run(gen, plan, laneRows, outcomes);
}

void RunFourExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                       uint8_t* rowBytes)
{
    Lanes<FourLanes>::ExactRow(gen, columns, row, rowBytes);
}

// The kernels of one width.
struct Kernels {
    decltype(&RunFourLanes) survivors;
    decltype(&RunFourExactLanes) exact;
};

const Kernels& KernelsOf(LaneWidth width)
{
    static constexpr Kernels kFour{RunFourLanes, RunFourExactLanes};
#if defined(__x86_64__)
    static constexpr Kernels kEight{RunEightLanes, RunEightExactLanes};
    static constexpr Kernels kSixteen{RunSixteenLanes, RunSixteenExactLanes};
    switch (Resolve(width)) {
    case LaneWidth::Sixteen:
        return kSixteen;
    case LaneWidth::Eight:
        return kEight;
    case LaneWidth::Widest:
    case LaneWidth::Four:
        break;
    }
#endif
    return kFour;
}

} // namespace

bool MachineRuns(LaneWidth width)
{
    return MachineHas(width);
}

LaneWidth WidestLaneWidth()
{
    static const LaneWidth widest = ChooseWidest();
    return widest;
}

const char* LaneWidthName(LaneWidth width)
{
    return SetName(Resolve(width));
}

int SurvivorLaneCount(LaneWidth width)
{
    switch (Resolve(width)) {
    case LaneWidth::Sixteen:
        return 16;
    case LaneWidth::Eight:
        return 8;
    case LaneWidth::Widest:
    case LaneWidth::Four:
        break;
    }
    return 4;
}

void RunSurvivorLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                      LaneWidth width, LaneOutcomes& outcomes)
{
    KernelsOf(width).survivors(gen, plan, laneRows, outcomes);
}

void RunExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                   uint8_t* rowBytes, LaneWidth width)
{
    KernelsOf(width).exact(gen, columns, row, rowBytes);
}

} // namespace quorvane
