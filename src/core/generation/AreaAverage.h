#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>

#include "core/generation/PixelBuffer.h"

namespace quorvane {

// Scales an opaque image to `size` by area averaging: every target pixel is the mean of
// the source area it covers, each source pixel weighted by the part of it covered. Works
// for reduction and enlargement on each axis. Null for a null image or an empty size.
QImage AreaAverageScale(const QImage& source, QSize size);

// The same reduction of a whole pixel buffer into `place` of target, which becomes opaque
// RGB32. Nothing is drawn when place does not lie inside target.
void AreaAverageInto(const PixelBuffer& source, QImage& target, const QRect& place);

using Channels = float __attribute__((vector_size(16))); // blue, green, red, fourth byte

// The same averaging fed one source line at a time, top line first, so the source need not
// be held whole: each target line is written as soon as its last source line is in.
class LineReducer {
public:
    using TargetLine = std::function<QRgb*(int y)>;
    // Source lines of from.width() pixels whose bytes lie in QRgb's memory order, into a
    // target of `to` pixels whose line y targetLine gives.
    LineReducer(QSize from, QSize to, TargetLine targetLine);
    ~LineReducer();
    void Push(const uint8_t* line);

private:
    struct Tables;
    void WriteRow();

    std::unique_ptr<Tables> tables_;
    TargetLine targetLine_;
    std::vector<float> floats_;
    std::vector<Channels> reduced_;
    std::vector<Channels> sums_;
    int line_ = 0;      // the source line pushed next
    int row_ = 0;       // the target row written next
    size_t share_ = 0;  // the next share of a source line in a target row
};

} // namespace quorvane
