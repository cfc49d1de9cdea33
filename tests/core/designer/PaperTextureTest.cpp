#include <gtest/gtest.h>

#include "core/designer/PaperTexture.h"

namespace quorvane {
namespace {

TEST(PictureToTexture, WritesBottomRowFirstAsOpaqueRgba)
{
    // 5 pixels wide, so a 24-bit row would need padding; the texture has none.
    QImage picture(5, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0)); // transparent pixels still become opaque texels
    picture.setPixel(0, 1, qRgb(200, 100, 50)); // bottom-left
    picture.setPixel(4, 0, qRgb(1, 2, 3));      // top-right
    const std::optional<TextureBuffer> texture = PictureToTexture(picture);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->width, 5);
    EXPECT_EQ(texture->height, 2);
    EXPECT_EQ(texture->components, 4);
    ASSERT_EQ(texture->bytes.size(), 5u * 2 * 4);
    EXPECT_EQ(std::vector<uint8_t>(texture->bytes.begin(), texture->bytes.begin() + 4),
              (std::vector<uint8_t>{200, 100, 50, 255}));
    EXPECT_EQ(std::vector<uint8_t>(texture->bytes.end() - 4, texture->bytes.end()),
              (std::vector<uint8_t>{1, 2, 3, 255}));
    for (size_t i = 3; i < texture->bytes.size(); i += 4)
        EXPECT_EQ(texture->bytes[i], 255);
    EXPECT_FALSE(PictureToTexture(QImage()));
}

TEST(TextureSizeFor, RoundsSidesUpToPowersOfTwoUpTo256)
{
    EXPECT_EQ(TextureSizeFor({256, 256}, 16384), QSize(256, 256));
    EXPECT_EQ(TextureSizeFor({64, 64}, 16384), QSize(64, 64));
    EXPECT_EQ(TextureSizeFor({200, 1}, 16384), QSize(256, 1));
    EXPECT_EQ(TextureSizeFor({256, 256}, 128), QSize(128, 128));
    EXPECT_FALSE(TextureSizeFor({256, 256}, 0));
    EXPECT_FALSE(TextureSizeFor({0, 16}, 16384));
}

} // namespace
} // namespace quorvane
