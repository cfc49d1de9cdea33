#include "scene/ViewCapture.h"

#include <cstring>

#include <GL/gl.h>

namespace quorvane {

CaptureBits ReadViewPixels()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    CaptureBits bits;
    if (viewport[2] <= 0 || viewport[3] <= 0)
        return bits;
    bits.width = viewport[2];
    bits.height = viewport[3];
    bits.bytes.assign(size_t(bits.width) * size_t(bits.height) * 4, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(viewport[0], viewport[1], bits.width, bits.height, GL_BGRA, GL_UNSIGNED_BYTE,
                 bits.bytes.data());
    return bits;
}

QImage CaptureBitsToImage(const CaptureBits& bits)
{
    if (!bits.IsComplete())
        return {};
    // Format_RGB32 keeps each pixel as blue, green, red, unused bytes in memory.
    QImage image(bits.width, bits.height, QImage::Format_RGB32);
    const size_t rowBytes = size_t(bits.width) * 4;
    for (int row = 0; row < bits.height; ++row)
        std::memcpy(image.scanLine(bits.height - 1 - row), bits.bytes.data() + row * rowBytes, rowBytes);
    return image;
}

} // namespace quorvane
