#pragma once

// The lane kernels built for wider instruction sets than the program's own, each in its own
// translation unit. Call one only where MachineRuns says the machine has its set.

#include <span>

#include "core/generation/ExactLanes.h"
#include "core/generation/SurvivorLanes.h"

namespace quorvane {

#if defined(__x86_64__)
void RunEightLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                   LaneOutcomes& outcomes);
void RunSixteenLanes(TransformState& gen, const SurvivorPlan& plan, std::span<const int32_t> laneRows,
                     LaneOutcomes& outcomes);
void RunEightExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                        uint8_t* rowBytes);
void RunSixteenExactLanes(const TransformState& gen, const ExactColumns& columns, const ExactRowTerms& row,
                          uint8_t* rowBytes);
#endif

} // namespace quorvane
