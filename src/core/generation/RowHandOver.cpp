#include "core/generation/RowHandOver.h"

namespace quorvane {

RowHandOver::RowHandOver(TransformState& gen, const FinishedRow& finished)
    : gen_(gen), finished_(finished), next_(gen.BitsHeight - 1)
{
    if (finished_)
        white_.assign(size_t(gen.BitsWidth) * PixelBuffer::kChannels, uint8_t(255));
}

void RowHandOver::Through(int32_t row)
{
    if (!finished_ || row > next_)
        return;
    for (; next_ > row; --next_)
        finished_(white_.data());
    if (row >= 0)
        finished_(gen_.DstBits.MutableRow(row).data());
    next_ = row - 1;
}

} // namespace quorvane
