#include "app/editor/CanvasWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace quorvane {

namespace {

MouseButtons ButtonsOf(Qt::MouseButtons buttons)
{
    MouseButtons result = MouseButtons::None;
    if (buttons & Qt::LeftButton)
        result = result | MouseButtons::Left;
    if (buttons & Qt::RightButton)
        result = result | MouseButtons::Right;
    if (buttons & Qt::MiddleButton)
        result = result | MouseButtons::Middle;
    if (buttons & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton))
        result = result | MouseButtons::Other;
    return result;
}

Qt::CursorShape CursorOf(PointerShape shape)
{
    switch (shape) {
    case PointerShape::DiagonalNwSe:
        return Qt::SizeFDiagCursor;
    case PointerShape::DiagonalNeSw:
        return Qt::SizeBDiagCursor;
    case PointerShape::Vertical:
        return Qt::SizeVerCursor;
    case PointerShape::Horizontal:
        return Qt::SizeHorCursor;
    case PointerShape::Move:
        return Qt::SizeAllCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

CanvasWidget::CanvasWidget(const CanvasRenderer& renderer, PlacementEditor& editor, QWidget* parent)
    : QWidget(parent)
    , renderer_(renderer)
    , editor_(editor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus); // the arrow keys move the picture
}

// The back buffer holds device pixels: each one lands on one pixel of the screen.
void CanvasWidget::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    const qreal ratio = renderer_.PixelRatio();
    QPainter painter(this);
    painter.fillRect(area, Qt::white);
    painter.drawImage(QRectF(area), renderer_.BackBuffer(),
                      QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}

// On a screen of another pixel density the canvas is drawn anew at that density.
bool CanvasWidget::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        emit Resized();
    return handled;
}

// While a button is held the canvas keeps the mouse, so positions outside it arrive too.
void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    const bool keepShape = event->modifiers() & Qt::ShiftModifier;
    const auto shape = editor_.Move(ButtonsOf(event->buttons()), float(pos.x()), float(pos.y()), QSizeF(size()), keepShape);
    if (shape)
        setCursor(CursorOf(*shape));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    editor_.Press(ButtonsOf(event->button()), float(pos.x()), float(pos.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    editor_.Release(ButtonsOf(event->button()), float(pos.x()), float(pos.y()), QSizeF(size()),
                    event->modifiers() & Qt::ShiftModifier);
}

// An arrow moves the picture one canvas pixel, ten with Shift; other keys go on to the window.
void CanvasWidget::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const float step = mods == Qt::ShiftModifier ? 10.0f : 1.0f;
    switch (event->key()) {
    case Qt::Key_Left:
        editor_.Nudge(-step, 0.0f);
        break;
    case Qt::Key_Right:
        editor_.Nudge(step, 0.0f);
        break;
    case Qt::Key_Up:
        editor_.Nudge(0.0f, -step);
        break;
    case Qt::Key_Down:
        editor_.Nudge(0.0f, step);
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

} // namespace quorvane
