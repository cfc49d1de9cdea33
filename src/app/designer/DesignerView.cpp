#include "app/designer/DesignerView.h"

#include <QMouseEvent>

#include "app/designer/DesignerArt.h"
#include "core/shell/Numeric.h"
#include "scene/DesignerSurfaceFormat.h"

namespace quorvane {

namespace {

DragButton ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return DragButton::Left;
    case Qt::RightButton:
        return DragButton::Right;
    default:
        return DragButton::Other;
    }
}

} // namespace

DesignerView::DesignerView(const DesignerCamera& camera, const Document& doc, QWidget* parent)
    : QOpenGLWidget(parent)
    , camera_(camera)
    , doc_(doc)
{
    setObjectName(QStringLiteral("PicMain"));
    setFormat(DesignerSurfaceFormat());
    // No alpha in the view: the smoothed outline's blending would otherwise leave
    // see-through pixels when the view is composed into the window.
    setTextureFormat(GL_RGB8);
    setMouseTracking(true); // every move is remembered, with or without a button
    setFocusPolicy(Qt::ClickFocus); // a click in the view leaves a camera field, which clamps it
    UpdatePointer();
}

FoundCorners DesignerView::CaptureCorners()
{
    FoundCorners found;
    found.fill(kCornerNotFound);
    if (!ready_)
        return found;
    makeCurrent();
    found = scene_.CaptureCorners(camera_.Camera(), doc_.PageStyle);
    doneCurrent();
    update();
    return found;
}

void DesignerView::initializeGL()
{
    auto report = [this](const QString& text) {
        QMetaObject::invokeMethod(this, [this, text] { emit RendererMessage(text); }, Qt::QueuedConnection);
    };
    ready_ = scene_.Initialize(report);
    if (!ready_)
        report(kMessageOpenGlFailed);
}

void DesignerView::resizeGL(int w, int h)
{
    const double ratio = devicePixelRatioF();
    scene_.Resize(RoundHalfEvenClamped(w * ratio), RoundHalfEvenClamped(h * ratio));
}

void DesignerView::paintGL()
{
    if (ready_)
        scene_.Display(camera_.Camera(), doc_.PageStyle);
}

// A hidden view drops its repaint requests, and showing it again only puts back the last
// frame drawn (the corner markers of an OK, or a cancelled camera): draw the scene anew.
void DesignerView::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    update();
}

void DesignerView::mousePressEvent(QMouseEvent* event)
{
    drag_.Press(ButtonOf(event), event->position());
    UpdatePointer();
}

void DesignerView::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.Release(ButtonOf(event));
    UpdatePointer();
}

void DesignerView::mouseMoveEvent(QMouseEvent* event)
{
    for (const SliderAssignment& step : drag_.Move(event->position(), camera_))
        emit DragStep(static_cast<int>(step.row), step.value);
}

void DesignerView::UpdatePointer()
{
    setCursor(drag_.MagnifierShown() ? MagnifierCursor() : RotateCursor());
}

} // namespace quorvane
