#include "scene/PaperTextures.h"

#include <GL/glu.h>

namespace quorvane {

int MaxTextureSize()
{
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}

bool ValidateTextureSize(TextureBuffer& texture, int maxTextureSize, const MessageSink& message)
{
    const std::optional<QSize> sides = TextureSizeFor(QSize(texture.width, texture.height), maxTextureSize);
    if (!sides)
        return false;
    if (sides->width() == texture.width && sides->height() == texture.height)
        return true;
    std::vector<uint8_t> scaled(size_t(sides->width()) * size_t(sides->height()) * size_t(texture.components));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const GLint failed = gluScaleImage(GL_RGBA, texture.width, texture.height, GL_UNSIGNED_BYTE,
                                       texture.bytes.data(), sides->width(), sides->height(),
                                       GL_UNSIGNED_BYTE, scaled.data());
    if (failed != 0) {
        if (message)
            message(kMessageScaleFailed);
        return false;
    }
    texture.width = sides->width();
    texture.height = sides->height();
    texture.bytes = std::move(scaled);
    return true;
}

void UploadPaperTexture(GLuint name, const QImage& picture, const MessageSink& message)
{
    std::optional<TextureBuffer> texture = PictureToTexture(picture);
    if (!texture)
        return;
    ValidateTextureSize(*texture, MaxTextureSize(), message); // on failure: uploaded unscaled
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, texture->components, texture->width, texture->height, 0,
                 GL_RGBA, GL_UNSIGNED_BYTE, texture->bytes.data());
}

} // namespace quorvane
