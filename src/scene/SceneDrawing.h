#pragma once

// The designer's scene: the camera, the paper as two textured sheets with an outline, or,
// while the view is captured, the six corner markers.

#include "core/designer/DesignerCamera.h"
#include "core/designer/PaperScene.h"
#include "core/shell/PageStyle.h"
#include "scene/COpenGL.h"

namespace quorvane {

struct SceneState {
    CameraValues camera;
    double PageStyle = kStyleLFold;
    bool MarkerMode = false; // draw the corner markers instead of the sheets
};

class SceneDrawing {
public:
    // The view's own fixed state on top of the renderer's: back faces as lines, smooth
    // lines, the blending function (blending itself off) and the polygon offset.
    static void PrepareState();

    // Draws one frame's content; runs inside COpenGL::Display.
    void GL_OnDisplay(const SceneState& state, const COpenGL& gl);

    const SheetSize& Size() const { return size_; }

private:
    void FilledPass(const SceneState& state, const COpenGL& gl);
    void OutlinePass(const SceneState& state, const COpenGL& gl);
    void DrawPaper(const SceneState& state, const COpenGL& gl);
    void DrawSheets(const COpenGL& gl) const;
    void DrawMarkers(double PageStyle) const;

    SheetSize size_;
};

} // namespace quorvane
