#pragma once

// The designer's 3D view on the context current now, the same for the dialog's widget and
// an off-screen framebuffer: the renderer, the scene drawing and the corner capture.

#include <QImage>
#include <QPointF>
#include <QSize>

#include "core/designer/CornerScan.h"
#include "scene/COpenGL.h"
#include "scene/SceneDrawing.h"

namespace quorvane {

class DesignerScene {
public:
    DesignerScene();
    DesignerScene(const DesignerScene&) = delete; // the renderer's hook points at this object
    DesignerScene& operator=(const DesignerScene&) = delete;

    // Sets up the current context; false when there is none. A page printed before is
    // forgotten (it belonged to the context before): SetPage it again.
    bool Initialize(const MessageSink& message);
    // The view's new size in device pixels.
    void Resize(int width, int height);
    // Draws one frame of the paper as the camera sees it. A new field of view rebuilds the
    // projection first.
    void Display(const CameraValues& camera, const Paper& paper);
    // Draws the corner markers, reads them back and finds them. The framebuffer then holds
    // the marker frame: the caller redraws the normal view.
    FoundCorners CaptureCorners(const CameraValues& camera, const Paper& paper);
    // The same in a view of `size` pixels on the framebuffer bound now, which must be at
    // least that large; the view's own size holds again afterwards.
    FoundCorners CaptureCornersAt(QSize size, const CameraValues& camera, const Paper& paper);

    // Prints `page` on the paper: from the next frame on it covers both sheets instead of
    // the paper pictures; a null page brings those back.
    void SetPage(const QImage& page);
    // Where a point of the paper falls in the view for this camera (see SceneDrawing::Project).
    QPointF Project(const CameraValues& camera, const Paper& paper, const ScenePoint& point);

    COpenGL& GL() { return gl_; }

private:
    void TakeCamera(const CameraValues& camera, const Paper& paper);

    COpenGL gl_;
    SceneDrawing drawing_;
    SceneState state_;
    QSize size_;
};

} // namespace quorvane
