#include "core/designer/PaperTexture.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr int kLargestPaperTexture = 256;

int PowerOfTwoNotBelow(int side)
{
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}

} // namespace

std::optional<TextureBuffer> PictureToTexture(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    TextureBuffer texture;
    texture.width = rgb.width();
    texture.height = rgb.height();
    texture.bytes.resize(size_t(texture.width) * size_t(texture.height) * 4);
    uint8_t* out = texture.bytes.data();
    for (int row = rgb.height() - 1; row >= 0; --row) {
        const uint8_t* in = rgb.constScanLine(row);
        for (int x = 0; x < rgb.width(); ++x, in += 3, out += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = 255;
        }
    }
    return texture;
}

std::optional<QSize> TextureSizeFor(QSize picture, int maxTextureSize)
{
    if (maxTextureSize <= 0 || picture.width() <= 0 || picture.height() <= 0)
        return std::nullopt;
    const int limit = std::min(kLargestPaperTexture, maxTextureSize);
    return QSize(PowerOfTwoNotBelow(std::min(picture.width(), limit)),
                 PowerOfTwoNotBelow(std::min(picture.height(), limit)));
}

} // namespace quorvane
