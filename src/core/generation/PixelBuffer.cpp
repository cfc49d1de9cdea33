#include "core/generation/PixelBuffer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "core/generation/WorkerThreads.h"

namespace quorvane {

PixelBuffer::PixelBuffer(int32_t width, int32_t height, uint8_t fill)
{
    if (!FitsLimit(width, height))
        return;
    // The one allocation that grows with the page: a buffer that cannot be had stays empty,
    // which every caller checks, rather than ending the program.
    try {
        bytes_.resize(size_t(width) * size_t(height) * kChannels); // left unset: filled below
        FillLarge(bytes_.data(), bytes_.size(), fill);
    } catch (const std::bad_alloc&) {
        return;
    }
    width_ = width;
    height_ = height;
    storedWidth_ = width;
    storedHeight_ = height;
}

PixelBuffer PixelBuffer::WithWhiteSurround(int32_t width, int32_t height, int32_t blockWidth, int32_t blockHeight)
{
    if (width <= 0 || height <= 0 || blockWidth <= 0 || blockHeight <= 0)
        return {};
    PixelBuffer buffer(std::min(blockWidth + 2, width), std::min(blockHeight + 2, height), 255);
    if (!buffer.IsEmpty()) {
        buffer.width_ = width;
        buffer.height_ = height;
        buffer.surround_ = true;
    }
    return buffer;
}

PixelBuffer PixelBuffer::RowRing(int32_t width, int32_t height, int32_t held)
{
    if (height <= 0 || held <= 0)
        return {};
    PixelBuffer buffer(width, std::min(held, height), 255);
    if (!buffer.IsEmpty()) {
        buffer.height_ = height;
        buffer.ringRows_.assign(size_t(buffer.storedHeight_), -1);
    }
    return buffer;
}

PixelBuffer::StoredBlock PixelBuffer::Stored() const
{
    return {bytes_.data(), storedWidth_, storedHeight_, height_ - storedHeight_};
}

QImage PixelBuffer::BlockImage()
{
    if (!surround_ || storedWidth_ < 3 || storedHeight_ < 3)
        return {};
    return QImage(bytes_.data(), storedWidth_ - 2, storedHeight_ - 2, qsizetype(storedWidth_) * kChannels,
                  QImage::Format_RGB32);
}

void PixelBuffer::FlipBlock()
{
    if (!surround_)
        return;
    const size_t rowBytes = size_t(storedWidth_) * kChannels;
    // Each pair of rows is swapped by one thread alone.
    ForEachShare(storedHeight_ / 2, 64, [this, rowBytes](int32_t begin, int32_t end) {
        std::vector<uint8_t> spare(rowBytes);
        for (int32_t top = begin; top < end; ++top) {
            uint8_t* a = bytes_.data() + size_t(top) * rowBytes;
            uint8_t* b = bytes_.data() + size_t(storedHeight_ - 1 - top) * rowBytes;
            std::memcpy(spare.data(), a, rowBytes);
            std::memcpy(a, b, rowBytes);
            std::memcpy(b, spare.data(), rowBytes);
        }
    });
}

bool PixelBuffer::FitsLimit(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxBytes / kChannels
        && height <= kMaxBytes / kChannels / width;
}

bool PixelBuffer::Contains(int channel, int32_t column, int32_t row) const
{
    return channel >= 0 && channel < kChannels && column >= 0 && column < width_ && row >= 0
        && row < height_;
}

bool PixelBuffer::Stores(int32_t column, int32_t row) const
{
    return column < storedWidth_ && row >= height_ - storedHeight_;
}

size_t PixelBuffer::Offset(int channel, int32_t column, int32_t row) const
{
    const int32_t storedRow = row - (height_ - storedHeight_);
    return size_t(channel) + kChannels * (size_t(column) + size_t(storedWidth_) * size_t(storedRow));
}

std::optional<uint8_t> PixelBuffer::Byte(int channel, int32_t column, int32_t row) const
{
    if (!Contains(channel, column, row))
        return std::nullopt;
    if (!ringRows_.empty()) {
        const int32_t slot = row % storedHeight_;
        return ringRows_[size_t(slot)] == row ? bytes_[Offset(channel, column, height_ - storedHeight_ + slot)]
                                              : uint8_t(255);
    }
    return Stores(column, row) ? bytes_[Offset(channel, column, row)] : uint8_t(255);
}

void PixelBuffer::SetByte(int channel, int32_t column, int32_t row, uint8_t value)
{
    if (!Contains(channel, column, row))
        return;
    if (!ringRows_.empty())
        RingRow(row)[size_t(column) * kChannels + size_t(channel)] = value;
    else if (Stores(column, row))
        bytes_[Offset(channel, column, row)] = value;
}

std::span<uint8_t> PixelBuffer::MutableRow(int32_t row)
{
    if (row < 0 || row >= height_)
        return {};
    if (!ringRows_.empty())
        return RingRow(row);
    if (!Stores(0, row))
        return {};
    return std::span<uint8_t>(bytes_).subspan(Offset(0, 0, row), size_t(storedWidth_) * kChannels);
}

std::span<uint8_t> PixelBuffer::RingRow(int32_t row)
{
    const int32_t slot = row % storedHeight_;
    const auto bytes = std::span<uint8_t>(bytes_).subspan(size_t(slot) * size_t(storedWidth_) * kChannels,
                                                          size_t(storedWidth_) * kChannels);
    if (ringRows_[size_t(slot)] != row) {
        std::fill(bytes.begin(), bytes.end(), uint8_t(255));
        ringRows_[size_t(slot)] = row;
    }
    return bytes;
}

void PixelBuffer::Reset(int32_t width, int32_t height, uint8_t fill)
{
    if (!ringRows_.empty() && width == width_ && height == height_) {
        std::fill(ringRows_.begin(), ringRows_.end(), -1); // rows turn white when next written
        return;
    }
    if (width == width_ && height == height_ && storedWidth_ == width_ && storedHeight_ == height_ && !IsEmpty())
        std::fill(bytes_.begin(), bytes_.end(), fill);
    else
        *this = PixelBuffer(width, height, fill);
}

namespace {

// A QRgb (0xAARRGGBB) lies in memory as blue, green, red, alpha on a little-endian machine:
// our pixel order, so whole rows copy as they are.
constexpr bool kQRgbIsPixelOrder = std::endian::native == std::endian::little;

// Copies `count` pixels to QRgb with the fourth byte set to 255, four at a time where the
// machine has vectors. Only for kQRgbIsPixelOrder.
void CopyOpaque(const uint8_t* in, QRgb* out, int32_t count)
{
    using Quad = uint32_t __attribute__((vector_size(16)));
    int32_t x = 0;
    for (; x + 4 <= count; x += 4) {
        Quad pixels;
        std::memcpy(&pixels, in + size_t(x) * 4, sizeof pixels);
        pixels |= 0xff000000u;
        std::memcpy(out + x, &pixels, sizeof pixels);
    }
    for (; x < count; ++x) {
        QRgb pixel;
        std::memcpy(&pixel, in + size_t(x) * 4, sizeof pixel);
        out[x] = pixel | 0xff000000u;
    }
}

} // namespace

PixelBuffer PixelBuffer::FromImage(const QImage& image, int32_t width, int32_t height)
{
    if (image.isNull())
        return {};
    PixelBuffer buffer(width, height, 255);
    if (buffer.IsEmpty())
        return buffer;
    // RGB32 and ARGB32 both hold unpremultiplied colours: read them without a copy.
    const bool direct = image.format() == QImage::Format_RGB32
        || image.format() == QImage::Format_ARGB32;
    const QImage source = direct ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return {};
    const int32_t columns = std::min(width, int32_t(source.width()));
    const int32_t rows = std::min(height, int32_t(source.height()));
    for (int32_t y = 0; y < rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uint8_t* out = &buffer.bytes_[buffer.Offset(0, 0, height - 1 - y)];
        if constexpr (kQRgbIsPixelOrder) {
            std::memcpy(out, line, size_t(columns) * kChannels);
            continue;
        }
        for (int32_t x = 0; x < columns; ++x, out += kChannels) {
            out[0] = uint8_t(qBlue(line[x]));
            out[1] = uint8_t(qGreen(line[x]));
            out[2] = uint8_t(qRed(line[x]));
            out[3] = uint8_t(qAlpha(line[x]));
        }
    }
    return buffer;
}

PixelBuffer PixelBuffer::FromImage(const QImage& image)
{
    return FromImage(image, image.width(), image.height());
}

void PixelBuffer::DrawInto(QImage& target) const
{
    if (target.isNull() || IsEmpty() || storedWidth_ != width_ || storedHeight_ != height_)
        return;
    if (target.format() != QImage::Format_RGB32)
        target.convertTo(QImage::Format_RGB32);
    const int32_t columns = std::min(width_, int32_t(target.width()));
    const int32_t rows = std::min(height_, int32_t(target.height()));
    for (int32_t y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const uint8_t* in = &bytes_[Offset(0, 0, height_ - 1 - y)];
        if constexpr (kQRgbIsPixelOrder) {
            CopyOpaque(in, line, columns);
            continue;
        }
        for (int32_t x = 0; x < columns; ++x, in += kChannels)
            line[x] = qRgb(in[2], in[1], in[0]);
    }
}

QImage PixelBuffer::ToImage() const
{
    if (IsEmpty() || storedWidth_ != width_ || storedHeight_ != height_)
        return {};
    QImage image(width_, height_, QImage::Format_RGB32);
    DrawInto(image);
    return image;
}

} // namespace quorvane
