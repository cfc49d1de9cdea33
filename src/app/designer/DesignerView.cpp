#include "app/designer/DesignerView.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QWheelEvent>

#include "app/designer/DesignerArt.h"

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

DesignerView::DesignerView(const DesignerCamera& camera, const Paper& paper, QWidget* parent)
    : SceneWidget(parent)
    , camera_(camera)
    , paper_(paper)
{
    setObjectName(QStringLiteral("PicMain"));
    setMouseTracking(true); // every move is remembered, with or without a button
    setFocusPolicy(Qt::ClickFocus); // a click in the view leaves a camera field, which clamps it
    UpdatePointer();
}

// The markers are drawn at the view's size in logical pixels, into a framebuffer of their
// own: the outline, and so the page, come out the same on a screen of any pixel density,
// and the view keeps showing the paper.
FoundCorners DesignerView::CaptureCorners()
{
    FoundCorners found;
    found.fill(kCornerNotFound);
    if (!Ready())
        return found;
    makeCurrent();
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    format.setInternalTextureFormat(GL_RGB8);
    QOpenGLFramebufferObject markers(size(), format);
    if (markers.isValid() && markers.bind())
        found = Scene().CaptureCornersAt(size(), camera_.Camera(), paper_);
    context()->functions()->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    doneCurrent();
    return found;
}

void DesignerView::paintGL()
{
    if (Ready())
        Scene().Display(camera_.Camera(), paper_);
}

// A hidden view drops its repaint requests, and showing it again only puts back the last
// frame drawn (a cancelled camera, say): draw the scene anew.
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

void DesignerView::wheelEvent(QWheelEvent* event)
{
    if (const int delta = event->angleDelta().y(); delta != 0) {
        const SliderAssignment step = WheelStep(delta, camera_);
        emit DragStep(static_cast<int>(step.row), step.value);
    }
    event->accept();
}

void DesignerView::UpdatePointer()
{
    setCursor(drag_.MagnifierShown() ? MagnifierCursor() : RotateCursor());
}

} // namespace quorvane
