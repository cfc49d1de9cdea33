#pragma once

// Turning the paper pictures into OpenGL textures (on the context current now).

#include <GL/gl.h>
#include <QImage>

#include "core/designer/PaperTexture.h"
#include "scene/COpenGL.h"

namespace quorvane {

inline const QString kMessageScaleFailed = QStringLiteral("ValidateTextureSize : gluScaleImage failure");

// The implementation's largest texture side; 0 when it cannot tell.
int MaxTextureSize();

// Brings the texture to power-of-two sides of at most min(256, maxTextureSize), scaling it
// when needed. False (sizes and bytes unchanged) when maxTextureSize is not positive or the
// scaling fails; the latter is also reported to `message`.
bool ValidateTextureSize(TextureBuffer& texture, int maxTextureSize, const MessageSink& message);

// Loads the picture into the texture `name` with linear filtering. A null picture leaves
// the texture empty, so its sheet is drawn untextured.
void UploadPaperTexture(GLuint name, const QImage& picture, const MessageSink& message);

// Loads a printed page into the texture `name` at full resolution with mipmaps (trilinear
// and, where offered, anisotropic filtering), its top row at texture coordinate 0. A page
// larger than the implementation allows is scaled down to fit first. False, with the
// texture left empty, for a null page.
bool UploadPageTexture(GLuint name, const QImage& page);

} // namespace quorvane
