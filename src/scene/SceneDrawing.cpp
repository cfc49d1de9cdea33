#include "scene/SceneDrawing.h"

#include <GL/glu.h>

namespace quorvane {

void SceneDrawing::PrepareState()
{
    glPolygonMode(GL_BACK, GL_LINE);
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glPolygonOffset(1.0f, 1.0f);
}

void SceneDrawing::GL_OnDisplay(const SceneState& state, const COpenGL& gl)
{
    // The size is taken before the camera aims at it, so a new style is seen in full at
    // its first frame.
    SetPaperSize(state.PageStyle, size_);
    glShadeModel(GL_SMOOTH);
    const CameraValues& camera = state.camera;
    gluLookAt(0.0, camera.CameraHeight, camera.CameraDistance, 0.0, 0.43 * size_.SheetHeight, 0.0,
              0.0, 1.0, 0.0);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glPushMatrix();
    glRotated(camera.CameraAngle, 0.0, 1.0, 0.0);
    FilledPass(state, gl);
    OutlinePass(state, gl);
    glPopMatrix();
}

// The fill lies slightly behind the outline (polygon offset), so the outline stays on top.
void SceneDrawing::FilledPass(const SceneState& state, const COpenGL& gl)
{
    glPushMatrix();
    glEnable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_BLEND);
    glColor3d(0.8, 0.8, 0.8);
    glEnable(GL_TEXTURE_2D);
    DrawPaper(state, gl);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPopMatrix();
}

void SceneDrawing::OutlinePass(const SceneState& state, const COpenGL& gl)
{
    const SceneAppearance& look = gl.Appearance();
    glPushMatrix();
    glEnable(GL_POLYGON_OFFSET_FILL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    glDisable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3d(look.OutlineColor[0], look.OutlineColor[1], look.OutlineColor[2]);
    glLineWidth(GLfloat(look.OutlineWidth));
    DrawPaper(state, gl);
    glPolygonMode(GL_FRONT, GL_FILL);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_BLEND);
    glPopMatrix();
}

void SceneDrawing::DrawPaper(const SceneState& state, const COpenGL& gl)
{
    SetPaperSize(state.PageStyle, size_);
    if (state.MarkerMode)
        DrawMarkers(state.PageStyle);
    else
        DrawSheets(gl);
}

// Each vertex is given as texture coordinate, then position. The texture's bottom row lies
// at the foot of the standing sheet and at the near edge of the lying sheet.
void SceneDrawing::DrawSheets(const COpenGL& gl) const
{
    const double w = size_.SheetWidth / 2.0;
    const double h = size_.SheetHeight;
    const double d = size_.SheetDepth / 2.0;
    glBindTexture(GL_TEXTURE_2D, gl.PaperTexture1());
    glBegin(GL_QUADS);
    glNormal3d(0.0, 0.0, 1.0);
    glTexCoord2d(0.0, 0.0), glVertex3d(-w, 0.0, -d);
    glTexCoord2d(1.0, 0.0), glVertex3d(w, 0.0, -d);
    glTexCoord2d(1.0, 1.0), glVertex3d(w, h, -d);
    glTexCoord2d(0.0, 1.0), glVertex3d(-w, h, -d);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, gl.PaperTexture2());
    glBegin(GL_QUADS);
    glNormal3d(1.0, 0.0, 0.0); // the lying sheet is lit as if it faced sideways
    glTexCoord2d(0.0, 0.0), glVertex3d(-w, 0.0, d);
    glTexCoord2d(1.0, 0.0), glVertex3d(w, 0.0, d);
    glTexCoord2d(1.0, 1.0), glVertex3d(w, 0.0, -d);
    glTexCoord2d(0.0, 1.0), glVertex3d(-w, 0.0, -d);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// One pixel per corner in its pure marker colour, unlit and untextured, so a full channel
// lands on 255, a half one on 128 and the others stay 0. In the outline pass the same
// points lie at the same depth and fail the depth test, leaving the first ones alone.
void SceneDrawing::DrawMarkers(double PageStyle) const
{
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (int corner = 0; corner < 6; ++corner) {
        if (!MarkerDrawn(corner, PageStyle))
            continue;
        const MarkerColour& c = kMarkerColours[corner];
        const ScenePoint p = CornerPosition(corner, size_);
        glColor3d(c.red, c.green, c.blue);
        glVertex3d(p.x, p.y, p.z);
    }
    glEnd();
    glEnable(GL_LIGHTING);
}

} // namespace quorvane
