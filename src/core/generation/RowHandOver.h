#pragma once

// Handing the rows of a pass's DstBits over as they become final, so that DstBits can be a
// row ring (PixelBuffer::RowRing) and the page is reduced while the pass runs.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/generation/TransBitmap.h"

namespace quorvane {

// Called with the bytes of each row of DstBits once it is final, from the image's top line
// (stored row BitsHeight - 1) down, every row once; a row no sample writes comes as white.
using FinishedRow = std::function<void(const uint8_t* row)>;

class RowHandOver {
public:
    // An empty `finished` makes every call do nothing.
    RowHandOver(TransformState& gen, const FinishedRow& finished);

    // Hands the rows down to stored row `row` over, in order, the rows above it that were
    // not handed over yet as white; -1 hands over all that remain. Rows come final from the
    // top down, so a row above one already handed over is ignored.
    void Through(int32_t row);

private:
    TransformState& gen_;
    const FinishedRow& finished_;
    int32_t next_; // the stored row handed over next
    std::vector<uint8_t> white_;
};

} // namespace quorvane
