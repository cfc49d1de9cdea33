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
    glShadeModel(GL_SMOOTH);
    LookAt(state);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    FilledPass(state, gl);
    OutlinePass(state, gl);
    glPopMatrix();
}

// The eye, then the paper's turn on a pushed matrix the caller pops. The size is taken
// before the camera aims at it, so a new style is seen in full at its first frame.
void SceneDrawing::LookAt(const SceneState& state)
{
    size_ = state.paper.SceneSize();
    const CameraValues& camera = state.camera;
    gluLookAt(0.0, camera.CameraHeight, camera.CameraDistance, 0.0, state.paper.AimHeight(), 0.0,
              0.0, 1.0, 0.0);
    glPushMatrix();
    glRotated(camera.CameraAngle, 0.0, 1.0, 0.0);
}

QPointF SceneDrawing::Project(const SceneState& state, const ScenePoint& point)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    LookAt(state);
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPopMatrix();
    glPopMatrix();
    GLdouble x = 0.0, y = 0.0, z = 0.0;
    gluProject(point.x, point.y, point.z, model, projection, viewport, &x, &y, &z);
    return {x - viewport[0], viewport[1] + viewport[3] - y};
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
    if (!state.MarkerMode && state.PageTexture == 0)
        DrawSeams(state.paper);
    glPolygonMode(GL_FRONT, GL_FILL);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_BLEND);
    glPopMatrix();
}

void SceneDrawing::DrawPaper(const SceneState& state, const COpenGL& gl)
{
    size_ = state.paper.SceneSize();
    if (state.MarkerMode)
        DrawMarkers(state.paper.Layout);
    else
        DrawSheets(state, gl);
}

// The standing sheet (corners 5, 2, 1, 0) faces the camera; the lying one (4, 3, 2, 5) is
// lit as if it faced sideways. The paper pictures' bottom rows lie at the foot of the
// standing sheet and at the near edge of the lying sheet; a page is printed across both.
void SceneDrawing::DrawSheets(const SceneState& state, const COpenGL& gl) const
{
    const bool page = state.PageTexture != 0;
    glNormal3d(0.0, 0.0, 1.0);
    DrawSheet({5, 2, 1, 0}, page ? state.PageTexture : gl.PaperTexture1(), page);
    glNormal3d(1.0, 0.0, 0.0);
    DrawSheet({4, 3, 2, 5}, page ? state.PageTexture : gl.PaperTexture2(), page);
    glDisable(GL_TEXTURE_2D);
}

void SceneDrawing::DrawSheet(const std::array<int, 4>& corners, GLuint texture, bool page) const
{
    static constexpr double kPictureCorner[4][2] = {{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}};
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    for (size_t k = 0; k < corners.size(); ++k) {
        const ScenePoint p = CornerPosition(corners[k], size_);
        if (page) {
            const PagePoint t = PagePointAt(p, size_);
            glTexCoord2d(t.u, t.v);
        } else {
            glTexCoord2d(kPictureCorner[k][0], kPictureCorner[k][1]);
        }
        glVertex3d(p.x, p.y, p.z);
    }
    glEnd();
}

// Thin lines where the sheets of a grid meet, in the outline's colour. Only over the paper
// pictures: views of a printed page show the page alone.
void SceneDrawing::DrawSeams(const Paper& paper)
{
    const std::vector<SceneSegment> seams = SheetSeams(paper);
    if (seams.empty())
        return;
    glBegin(GL_LINES);
    for (const SceneSegment& seam : seams) {
        glVertex3d(seam.from.x, seam.from.y, seam.from.z);
        glVertex3d(seam.to.x, seam.to.y, seam.to.z);
    }
    glEnd();
}

// One pixel per corner in its pure marker colour, unlit and untextured, so a full channel
// lands on 255, a half one on 128 and the others stay 0. In the outline pass the same
// points lie at the same depth and fail the depth test, leaving the first ones alone.
void SceneDrawing::DrawMarkers(PaperLayout layout) const
{
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPointSize(1.0f);
    glBegin(GL_POINTS);
    for (int corner = 0; corner < 6; ++corner) {
        if (!MarkerDrawn(corner, layout))
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
