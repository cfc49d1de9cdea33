#include "core/generation/RowHandOver.h"

namespace quorvane {

RowHandOver::RowHandOver(TransformState& gen, const FinishedRows& finished)
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
        rows_.push_back(white_.data());
    if (row >= 0)
        rows_.push_back(gen_.DstBits.MutableRow(row).data());
    next_ = row - 1;
}

void RowHandOver::Flush()
{
    if (rows_.empty())
        return;
    finished_(rows_);
    rows_.clear();
}

} // namespace quorvane
