#include "app/designer/SceneWidget.h"

#include "scene/DesignerSurfaceFormat.h"

namespace quorvane {

SceneWidget::SceneWidget(QWidget* parent)
    : QOpenGLWidget(parent)
{
    setFormat(DesignerSurfaceFormat());
    // No alpha in the view: the smoothed outline's blending would otherwise leave
    // see-through pixels when the view is composed into the window.
    setTextureFormat(GL_RGB8);
}

void SceneWidget::initializeGL()
{
    auto report = [this](const QString& text) {
        QMetaObject::invokeMethod(this, [this, text] { emit RendererMessage(text); }, Qt::QueuedConnection);
    };
    ready_ = scene_.Initialize(report);
    if (!ready_) {
        report(kMessageOpenGlFailed);
        return;
    }
    // The projection lives in the context: a context Qt makes anew for the widget (its window
    // changed, say) gets no resizeGL when the size stayed, and would draw with none.
    resizeGL(width(), height());
    SceneReady();
}

void SceneWidget::resizeGL(int w, int h)
{
    // Rounded as the widget rounds its framebuffer, so the view covers it to the last pixel.
    const QSize device = QSize(w, h) * devicePixelRatio();
    scene_.Resize(device.width(), device.height());
}

} // namespace quorvane
