#include "app/editor/CanvasWidget.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvane {

CanvasWidget::CanvasWidget(const CanvasRenderer& renderer, QWidget* parent)
    : QWidget(parent)
    , renderer_(renderer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(event->rect(), renderer_.BackBuffer(), event->rect());
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}

} // namespace quorvane
