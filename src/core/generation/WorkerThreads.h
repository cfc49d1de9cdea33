#pragma once

// The threads a generation runs on: the calling thread and a few workers, started once,
// that take equal shares of a loop. Every share is a separate range of the work, so the
// result does not depend on how many threads there are. One loop is shared out at a time;
// a share that shares out a loop itself runs it alone.

#include <cstdint>
#include <functional>

namespace quorvane {

// The threads the generation uses: the machine's cores, or the number the environment
// variable QUORVANE_THREADS names (1: the calling thread alone, as before there were
// threads; at most 64), read once per process; never more than a limit set below.
int32_t GenerationThreads();

// Lets the generations that start from now on use at most `threads` (at least 1), within
// what the environment allows: for measuring one process at several thread counts.
void LimitGenerationThreads(int32_t threads);

// Runs share(begin, end) over [0, count) split into at most GenerationThreads() contiguous
// ranges of at least `grain` items, one per thread, the first on the calling thread;
// returns when all have run. A count of 0 runs nothing.
void ForEachShare(int32_t count, int32_t grain, const std::function<void(int32_t begin, int32_t end)>& share);

} // namespace quorvane
