#pragma once

// Handing the rows of a pass's DstBits over as they become final, so that DstBits can be a
// row ring (PixelBuffer::RowRing) and the page is reduced while the pass runs. The rows are
// collected and handed over together, before the engine computes the rows after them.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/generation/TransBitmap.h"

namespace quorvane {

// Called with the bytes of rows of DstBits once they are final, from the image's top line
// (stored row BitsHeight - 1) down, every row once; a row no sample writes comes as white.
// The bytes last until the call returns.
using FinishedRows = std::function<void(std::span<const uint8_t* const> rows)>;

// The rows an engine computes ahead of the ones it hands over, at most. A row ring of
// kHandOverRingRows keeps every row until it is handed over.
inline constexpr int32_t kRowsAhead = 128;
inline constexpr int32_t kHandOverRingRows = 2 * kRowsAhead;

class RowHandOver {
public:
    // An empty `finished` makes every call do nothing.
    RowHandOver(TransformState& gen, const FinishedRows& finished);

    // Collects the rows down to stored row `row`, in order, the rows above it that were not
    // collected yet as white; -1 collects all that remain. Rows come final from the top
    // down, so a row above one already collected is ignored.
    void Through(int32_t row);

    // Hands the collected rows over.
    void Flush();

private:
    TransformState& gen_;
    const FinishedRows& finished_;
    int32_t next_; // the stored row collected next
    std::vector<uint8_t> white_;
    std::vector<const uint8_t*> rows_;
};

} // namespace quorvane
