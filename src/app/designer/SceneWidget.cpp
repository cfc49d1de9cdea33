#include "app/designer/SceneWidget.h"

#include "core/shell/Numeric.h"
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
    if (ready_)
        SceneReady();
    else
        report(kMessageOpenGlFailed);
}

void SceneWidget::resizeGL(int w, int h)
{
    const double ratio = devicePixelRatioF();
    scene_.Resize(RoundHalfEvenClamped(w * ratio), RoundHalfEvenClamped(h * ratio));
}

} // namespace quorvane
