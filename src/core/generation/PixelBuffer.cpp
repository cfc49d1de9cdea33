#include "core/generation/PixelBuffer.h"

#include <algorithm>

namespace quorvane {

PixelBuffer::PixelBuffer(int32_t width, int32_t height, uint8_t fill)
{
    if (!FitsLimit(width, height))
        return;
    width_ = width;
    height_ = height;
    bytes_.assign(size_t(width) * size_t(height) * kChannels, fill);
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

size_t PixelBuffer::Offset(int channel, int32_t column, int32_t row) const
{
    return size_t(channel) + kChannels * (size_t(column) + size_t(width_) * size_t(row));
}

std::optional<uint8_t> PixelBuffer::Byte(int channel, int32_t column, int32_t row) const
{
    if (!Contains(channel, column, row))
        return std::nullopt;
    return bytes_[Offset(channel, column, row)];
}

void PixelBuffer::SetByte(int channel, int32_t column, int32_t row, uint8_t value)
{
    if (Contains(channel, column, row))
        bytes_[Offset(channel, column, row)] = value;
}

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
    if (target.isNull() || IsEmpty())
        return;
    if (target.format() != QImage::Format_RGB32)
        target.convertTo(QImage::Format_RGB32);
    const int32_t columns = std::min(width_, int32_t(target.width()));
    const int32_t rows = std::min(height_, int32_t(target.height()));
    for (int32_t y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        const uint8_t* in = &bytes_[Offset(0, 0, height_ - 1 - y)];
        for (int32_t x = 0; x < columns; ++x, in += kChannels)
            line[x] = qRgb(in[2], in[1], in[0]);
    }
}

QImage PixelBuffer::ToImage() const
{
    if (IsEmpty())
        return {};
    QImage image(width_, height_, QImage::Format_RGB32);
    DrawInto(image);
    return image;
}

} // namespace quorvane
