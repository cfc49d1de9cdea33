#pragma once

// A raw pixel block in the layout of an uncompressed 32-bit bottom-up bitmap: each pixel
// is blue, green, red and a fourth byte; stored row 0 is the bottom line of the image.
// The byte of channel c at column x and stored row r sits at c + 4 * (x + width * r).
// Reads outside the buffer yield no value and writes outside it are ignored, so a sample
// that falls off the picture is simply skipped.
//
// Two other layouts hold less than the whole block. A buffer with a white surround stores
// only a block in the top-left corner of the image; every other pixel reads as 255 in every
// byte. A row ring stores a few rows: each row becomes white when first written after
// another row took its place, so rows are written and read in passing.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QImage>

#include "core/generation/LargeAllocation.h"

namespace quorvane {

class PixelBuffer {
public:
    static constexpr int kChannels = 4;
    // The largest buffer made, in bytes; a larger request gives an empty buffer.
    static constexpr int64_t kMaxBytes = int64_t(256) << 20;

    PixelBuffer() = default;
    // width x height pixels with every byte set to `fill`; empty when either side is not
    // positive or the buffer would exceed kMaxBytes.
    PixelBuffer(int32_t width, int32_t height, uint8_t fill);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool IsEmpty() const { return bytes_.empty(); }
    static bool FitsLimit(int64_t width, int64_t height);

    // width x height, all white, of which only a blockWidth x blockHeight block at the
    // image's top-left is stored, with a white margin two pixels wide to its right and below
    // it. Empty when a side is not positive or the stored part exceeds kMaxBytes.
    static PixelBuffer WithWhiteSurround(int32_t width, int32_t height, int32_t blockWidth, int32_t blockHeight);
    // width x height, of which `held` rows are held at a time.
    static PixelBuffer RowRing(int32_t width, int32_t height, int32_t held);

    // Where the stored pixels are: stored row r of the block is row r + firstRow of the
    // buffer, at bytes + 4 * stride * r.
    struct StoredBlock {
        const uint8_t* bytes = nullptr;
        int32_t width = 0;
        int32_t height = 0;
        int32_t firstRow = 0;

        // The byte offset to read pixel (i, j) of the buffer with its right and lower
        // neighbours, for a pixel that has both: a read outside the stored block lands on
        // its white margin (or, for a buffer stored whole, is where it is).
        size_t ReadOffset(int32_t i, int32_t j) const
        {
            return (size_t(std::max(j - firstRow, 0)) * size_t(width) + size_t(std::min(i, width - 2))) * kChannels;
        }
    };
    StoredBlock Stored() const;
    // The block of a buffer with a white surround as a top-down image over the same memory
    // (no copy), to draw into; FlipBlock afterwards makes what was drawn the buffer's
    // bottom-up rows. Null for other buffers.
    QImage BlockImage();
    void FlipBlock();

    std::optional<uint8_t> Byte(int channel, int32_t column, int32_t row) const;
    void SetByte(int channel, int32_t column, int32_t row, uint8_t value);
    std::span<const uint8_t> Bytes() const { return bytes_; }
    std::span<uint8_t> MutableBytes() { return bytes_; }
    // The bytes of stored row r; empty outside the buffer (or outside the stored block).
    std::span<uint8_t> MutableRow(int32_t row);

    // Makes this a width x height buffer with every byte set to `fill`, as the constructor
    // does, keeping the memory when the size is unchanged.
    void Reset(int32_t width, int32_t height, uint8_t fill);

    // The image placed unscaled in the top-left corner of a white width x height buffer
    // (rows flipped to bottom-up). Colour channels are taken unpremultiplied, the fourth
    // byte from the image's alpha. Empty when the size is refused or the image is null.
    static PixelBuffer FromImage(const QImage& image, int32_t width, int32_t height);
    static PixelBuffer FromImage(const QImage& image);

    // Copies the pixels 1:1 into the top-left corner of target, as far as both reach;
    // the target becomes opaque RGB32 and the fourth byte is not used.
    void DrawInto(QImage& target) const;
    QImage ToImage() const;

private:
    bool Contains(int channel, int32_t column, int32_t row) const;
    bool Stores(int32_t column, int32_t row) const;
    size_t Offset(int channel, int32_t column, int32_t row) const;
    std::span<uint8_t> RingRow(int32_t row);

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t storedWidth_ = 0;  // the stored block, at the image's top-left
    int32_t storedHeight_ = 0;
    bool surround_ = false;
    std::vector<int32_t> ringRows_; // a row ring: the row each slot holds, -1 for none
    std::vector<uint8_t, LargeAllocator<uint8_t>> bytes_;
};

} // namespace quorvane
