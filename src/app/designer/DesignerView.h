#pragma once

// The designer's 3D view (PicMain): draws the paper as the camera sees it and turns mouse
// drags into slider values for the dialog.

#include "app/designer/SceneWidget.h"
#include "core/designer/CameraInput.h"
#include "core/designer/CornerScan.h"
#include "core/designer/DesignerCamera.h"
#include "core/shell/Paper.h"

namespace quorvane {

class DesignerView : public SceneWidget {
    Q_OBJECT

public:
    DesignerView(const DesignerCamera& camera, const Paper& paper, QWidget* parent);

    // Draws the corner markers at the view's logical size, off screen, and finds them. All
    // corners are missing when the view has no OpenGL.
    FoundCorners CaptureCorners();

signals:
    // A mouse drag or the wheel asks the slider of `row` for `value` (the slider clamps it).
    void DragStep(int row, int value);

protected:
    void paintGL() override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdatePointer();

    const DesignerCamera& camera_;
    const Paper& paper_;
    ViewDrag drag_;
};

} // namespace quorvane
