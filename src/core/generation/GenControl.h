#pragma once

#include <cstdint>

namespace quorvane {

// What a running generation reports and what stops it: the engine and the drivers write
// the progress, the progress window reads it and sets GenStop.
struct GenControl {
    int32_t GenProgress = 0;     // percent 0..100
    int32_t GenProgressBase = 0; // where the running pass starts: 0 or 50
    bool GenStop = false;
};

} // namespace quorvane
