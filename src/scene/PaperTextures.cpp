#include "scene/PaperTextures.h"

#include <algorithm>
#include <cstring>

#include <GL/glext.h>
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

namespace {

bool HasExtension(const char* name)
{
    const auto* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return all != nullptr && std::strstr(all, name) != nullptr;
}

} // namespace

bool UploadPageTexture(GLuint name, const QImage& page)
{
    if (page.isNull())
        return false;
    QImage pixels = page.convertToFormat(QImage::Format_RGBA8888);
    const int largest = MaxTextureSize();
    if (largest > 0 && std::max(pixels.width(), pixels.height()) > largest)
        pixels = pixels.scaled(largest, largest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
    if (HasExtension("GL_EXT_texture_filter_anisotropic")) {
        GLfloat most = 1.0f;
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &most);
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, std::min(most, 16.0f));
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, int(pixels.bytesPerLine() / 4));
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, pixels.width(), pixels.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.constBits());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    return true;
}

} // namespace quorvane
