#pragma once

// The paper pictures as texture data: RGBA bytes with power-of-two sides.

#include <cstdint>
#include <optional>
#include <vector>

#include <QImage>
#include <QSize>

namespace quorvane {

// Rows from the bottom of the picture up, each pixel R, G, B, A; no row padding.
struct TextureBuffer {
    int width = 0;
    int height = 0;
    int components = 4;
    std::vector<uint8_t> bytes;
};

// The picture's pixels as texture data, every texel opaque. No value for a null picture.
std::optional<TextureBuffer> PictureToTexture(const QImage& picture);

// The sides a texture gets: each the smallest power of two not below the side, where the
// side is first limited to min(256, maxTextureSize). No value when maxTextureSize or a
// side is not positive.
std::optional<QSize> TextureSizeFor(QSize picture, int maxTextureSize);

} // namespace quorvane
