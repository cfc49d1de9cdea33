#pragma once

// A raw pixel block in the layout of an uncompressed 32-bit bottom-up bitmap: each pixel
// is blue, green, red and a fourth byte; stored row 0 is the bottom line of the image.
// The byte of channel c at column x and stored row r sits at c + 4 * (x + width * r).
// Reads outside the buffer yield no value and writes outside it are ignored, so a sample
// that falls off the picture is simply skipped.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <QImage>

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

    std::optional<uint8_t> Byte(int channel, int32_t column, int32_t row) const;
    void SetByte(int channel, int32_t column, int32_t row, uint8_t value);
    std::span<const uint8_t> Bytes() const { return bytes_; }

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
    size_t Offset(int channel, int32_t column, int32_t row) const;

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint8_t> bytes_;
};

} // namespace quorvane
