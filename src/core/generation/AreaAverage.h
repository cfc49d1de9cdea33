#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
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

// The same averaging fed source lines in order, top line first, so the source need not be
// held whole: each target line is written as soon as its last source line is in. The
// target's columns are split among the generation's threads (WorkerThreads.h); every column
// is computed alone, so the bytes do not depend on the split.
class LineReducer {
public:
    using TargetLine = std::function<QRgb*(int y)>;
    // Source lines of from.width() pixels whose bytes lie in QRgb's memory order, into a
    // target of `to` pixels whose line y targetLine gives. targetLine is called from the
    // generation's threads, each for its own columns of a line.
    LineReducer(QSize from, QSize to, TargetLine targetLine);
    ~LineReducer();
    void Push(const uint8_t* line);
    // Several lines, the top one first; the bytes need only last for the call.
    void Push(std::span<const uint8_t* const> lines);

    // Whether the source lines are summed down before being reduced across: for a source
    // narrower than the target and at least twice as tall, where reducing every line
    // across the whole target width first would cost most.
    bool SumsDownFirst() const;
    // The target rows written so far, from the top: each is final once written.
    int RowsWritten() const { return at_.row; }

private:
    struct Tables;
    struct Slice;
    struct Position {
        int line = 0;     // the source line pushed next
        int row = 0;      // the target row written next
        size_t share = 0; // the next share of a source line in a target row
    };

    std::unique_ptr<Tables> tables_;
    TargetLine targetLine_;
    std::vector<Slice> slices_;
    Position at_;
};

} // namespace quorvane
