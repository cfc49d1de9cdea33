#pragma once

// The 3D check's view: the generated page printed on the paper of the designer's scene.
// A left-button drag orbits the camera, the wheel moves it nearer or farther.

#include <QImage>
#include <QPointF>

#include "app/designer/SceneWidget.h"
#include "core/shell/CameraValues.h"
#include "core/shell/Paper.h"

namespace quorvane {

class CheckView : public SceneWidget {
    Q_OBJECT

public:
    CheckView(const QImage& page, const Paper& paper, const CameraValues& camera, QWidget* parent);

    const CameraValues& Camera() const { return camera_; }
    void SetCamera(const CameraValues& camera);

protected:
    void SceneReady() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage page_;
    Paper paper_;
    CameraValues camera_;
    QPointF lastMouse_;
};

} // namespace quorvane
