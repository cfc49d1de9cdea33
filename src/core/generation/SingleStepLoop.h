#pragma once

#include <cstdint>

namespace quorvane {

// A counting loop over 32-bit floats: first, first + step, ... while the counter is at
// most last. The counter is advanced by adding the step, so rounding can lose the last
// value (0 to 31 in steps of 0.2 gives 155 values, not 156). Bounds and step are taken
// once. The loop also ends when adding the step no longer changes the counter, which
// happens only at magnitudes where a float cannot hold the step. `body` gets the counter
// and returns false to stop; the result says whether the loop ran to its end.
template <typename Body>
bool ForEachSingleStep(float first, float last, float step, Body&& body)
{
    if (!(step > 0.0f))
        return true;
    for (float counter = first; counter <= last;) {
        if (!body(counter))
            return false;
        const float next = counter + step;
        if (!(next > counter))
            break;
        counter = next;
    }
    return true;
}

} // namespace quorvane
