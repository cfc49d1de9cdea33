#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QImage>

#include "core/shell/PageStyle.h"
#include "scene/OffscreenView.h"
#include "scene/PaperTextures.h"

namespace quorvane {
namespace {

class Renderer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(view_.IsValid()) << view_.Error().toStdString();
        ASSERT_TRUE(view_.MakeCurrent());
    }

    OffscreenView view_{QSize(64, 48)};
};

TEST_F(Renderer, DropsADisplayRequestedWhileDrawing)
{
    COpenGL& gl = view_.Scene().GL();
    int frames = 0;
    gl.OnDisplay = [&] {
        ++frames;
        gl.Display();
    };
    gl.Display();
    EXPECT_EQ(frames, 1);
}

TEST_F(Renderer, ViewOfHeightZeroCountsAsOnePixelHigh)
{
    COpenGL& gl = view_.Scene().GL();
    gl.OnSize(200, 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5] / projection[0], 200.0, 1e-3); // aspect = width (float matrices)

    gl.FieldOfView = 40.0; // no effect before SetViewPort
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double before = projection[5];
    gl.SetViewPort();
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_GT(before, projection[5]);
}

TEST_F(Renderer, ShipsTwoNearWhitePaperPicturesOf256)
{
    for (const char* name : {":/textures/Paper1.png", ":/textures/Paper2.png"}) {
        const QImage picture(QString::fromLatin1(name));
        ASSERT_EQ(picture.size(), QSize(256, 256)) << name;
        for (int y = 0; y < 256; y += 15) {
            const QRgb top = picture.pixel(128, y);
            EXPECT_GE(qBlue(top), 230) << name;
        }
        EXPECT_NE(picture.pixel(128, 0), picture.pixel(128, 255)) << name << " is shaded";
    }
}

TEST_F(Renderer, ScalesTexturesToPowersOfTwo)
{
    TextureBuffer wide = *PictureToTexture(QImage(300, 100, QImage::Format_RGB32));
    std::fill(wide.bytes.begin(), wide.bytes.end(), uint8_t(200));
    ASSERT_TRUE(ValidateTextureSize(wide, MaxTextureSize(), {}));
    EXPECT_EQ(wide.width, 256);
    EXPECT_EQ(wide.height, 128);
    ASSERT_EQ(wide.bytes.size(), 256u * 128 * 4);
    EXPECT_EQ(wide.bytes[1000], 200); // a flat picture stays flat

    TextureBuffer square = *PictureToTexture(QImage(256, 256, QImage::Format_RGB32));
    ASSERT_TRUE(ValidateTextureSize(square, 128, {})); // a small implementation
    EXPECT_EQ(square.width, 128);
    EXPECT_EQ(square.bytes.size(), 128u * 128 * 4);

    TextureBuffer small = *PictureToTexture(QImage(64, 64, QImage::Format_RGB32));
    const std::vector<uint8_t> before = small.bytes;
    ASSERT_TRUE(ValidateTextureSize(small, MaxTextureSize(), {}));
    EXPECT_EQ(small.bytes, before);
    EXPECT_FALSE(ValidateTextureSize(small, 0, {}));
    EXPECT_EQ(small.width, 64);
}

} // namespace
} // namespace quorvane
