#pragma once

#include <QSurfaceFormat>

namespace quorvane {

// What the designer's view asks of an OpenGL context: the fixed-function (compatibility)
// profile, 8 bits per colour channel, a 24-bit depth buffer and no multisampling, so that
// a marker point covers exactly one pixel.
inline QSurfaceFormat DesignerSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    format.setSamples(0);
    return format;
}

} // namespace quorvane
