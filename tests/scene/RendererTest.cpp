#include <gtest/gtest.h>

#include <GL/gl.h>
#include <QImage>

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

TEST_F(Renderer, ResamplesTexturesToPowersOfTwoAndLeavesFittingOnesAlone)
{
    TextureBuffer wide = *PictureToTexture(QImage(300, 100, QImage::Format_RGB32));
    std::fill(wide.bytes.begin(), wide.bytes.end(), uint8_t(200));
    ASSERT_TRUE(ValidateTextureSize(wide, MaxTextureSize(), {}));
    EXPECT_EQ(QSize(wide.width, wide.height), QSize(256, 128));
    ASSERT_EQ(wide.bytes.size(), 256u * 128 * 4);
    EXPECT_EQ(wide.bytes[1000], 200); // a flat picture stays flat

    TextureBuffer small = *PictureToTexture(QImage(64, 64, QImage::Format_RGB32));
    const std::vector<uint8_t> before = small.bytes;
    ASSERT_TRUE(ValidateTextureSize(small, MaxTextureSize(), {}));
    EXPECT_EQ(small.bytes, before);
    EXPECT_FALSE(ValidateTextureSize(small, 0, {}));
}

} // namespace
} // namespace quorvane
