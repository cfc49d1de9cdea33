#pragma once

// The designer's scene: the camera, the paper as two textured sheets with an outline (and the
// seams of a grid of sheets), or, while the view is captured, the six corner markers.

#include "core/designer/DesignerCamera.h"
#include "core/designer/PaperScene.h"
#include "core/shell/Paper.h"
#include "scene/COpenGL.h"

#include <QPointF>

namespace quorvane {

struct SceneState {
    CameraValues camera;
    Paper paper;
    bool MarkerMode = false; // draw the corner markers instead of the sheets
    GLuint PageTexture = 0;  // a printed page on both sheets; 0 for the paper pictures
};

class SceneDrawing {
public:
    // The view's own fixed state on top of the renderer's: back faces as lines, smooth
    // lines, the blending function (blending itself off) and the polygon offset.
    static void PrepareState();

    // Draws one frame's content; runs inside COpenGL::Display.
    void GL_OnDisplay(const SceneState& state, const COpenGL& gl);

    const SheetSize& Size() const { return size_; }

    // Where a point of the paper falls in the current viewport as this state draws it, in
    // pixels from the viewport's top-left corner (pixel centres at .5). Uses the current
    // projection; leaves the model-view matrix as it was.
    QPointF Project(const SceneState& state, const ScenePoint& point);

private:
    void FilledPass(const SceneState& state, const COpenGL& gl);
    void OutlinePass(const SceneState& state, const COpenGL& gl);
    void DrawPaper(const SceneState& state, const COpenGL& gl);
    void DrawSheets(const SceneState& state, const COpenGL& gl) const;
    void DrawSheet(const std::array<int, 4>& corners, GLuint texture, bool page) const;
    void LookAt(const SceneState& state);
    void DrawMarkers(PaperLayout layout) const;
    static void DrawSeams(const Paper& paper);

    SheetSize size_;
};

} // namespace quorvane
