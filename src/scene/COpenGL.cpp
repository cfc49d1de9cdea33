#include "scene/COpenGL.h"

#include <GL/glu.h>
#include <QImage>

#include "scene/PaperTextures.h"

namespace quorvane {

bool COpenGL::Initialize(const SceneAppearance& appearance, const MessageSink& message)
{
    if (glGetString(GL_VERSION) == nullptr)
        return false; // no context is current
    appearance_ = appearance;
    const auto& clear = appearance_.ClearColor;
    glClearColor(GLclampf(clear[0]), GLclampf(clear[1]), GLclampf(clear[2]), 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    SetLights();
    glGenTextures(2, paperTextures_.data());
    UploadPaperTexture(paperTextures_[0], QImage(QStringLiteral(":/textures/Paper1.png")), message);
    UploadPaperTexture(paperTextures_[1], QImage(QStringLiteral(":/textures/Paper2.png")), message);
    return true;
}

// Both lights are placed while the model-view matrix is the identity, so they stay fixed
// relative to the eye whatever the camera and the paper do.
void COpenGL::SetLights() const
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat a = GLfloat(appearance_.AmbientLevel);
    const GLfloat position0[] = {800.0f, 800.0f, -800.0f, 0.0f}; // a direction
    const GLfloat ambient0[] = {a, a, a, 1.0f};
    const GLfloat diffuse0[] = {0.35f, 0.35f, 0.35f, 1.0f};
    const GLfloat specular0[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position0);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient0);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse0);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular0);
    const GLfloat position1[] = {800.0f, 800.0f, 0.0f, 800.0f}; // the point (1, 1, 0)
    const GLfloat ambient1[] = {0.1f, 0.1f, 0.1f, 1.0f};
    const GLfloat diffuse1[] = {0.6f, 0.6f, 0.6f, 1.0f};
    glLightfv(GL_LIGHT1, GL_POSITION, position1);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse1);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}

void COpenGL::Display()
{
    if (inDisplay_)
        return;
    inDisplay_ = true;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    if (OnDisplay)
        OnDisplay();
    glPopMatrix();
    glFinish();
    inDisplay_ = false;
}

void COpenGL::OnSize(int width, int height)
{
    if (height == 0)
        height = 1;
    aspect_ = double(width) / double(height);
    glViewport(0, 0, width, height);
    SetViewPort();
}

void COpenGL::SetViewPort()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FieldOfView, aspect_, nearPlane_, farPlane_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace quorvane
