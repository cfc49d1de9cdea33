#pragma once

// The 3D check's view: the generated page printed on the paper of the designer's scene.
// A left-button drag orbits the camera, the wheel moves it nearer or farther.

#include <QImage>
#include <QOpenGLWidget>
#include <QPointF>

#include "core/shell/CameraValues.h"
#include "scene/DesignerScene.h"

namespace quorvane {

class CheckView : public QOpenGLWidget {
    Q_OBJECT

public:
    CheckView(const QImage& page, double PageStyle, const CameraValues& camera, QWidget* parent);

    const CameraValues& Camera() const { return camera_; }
    void SetCamera(const CameraValues& camera);

signals:
    void RendererMessage(const QString& text);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage page_;
    double PageStyle_;
    CameraValues camera_;
    DesignerScene scene_;
    QPointF lastMouse_;
    bool ready_ = false;
};

} // namespace quorvane
