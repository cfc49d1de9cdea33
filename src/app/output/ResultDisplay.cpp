#include "app/output/ResultDisplay.h"

#include <QEvent>
#include <QPainter>

namespace quorvane {

namespace {

const QColor kBackground(192, 192, 192);

} // namespace

ResultDisplay::ResultDisplay(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The page is scaled to the device pixels the rectangle covers, so a scaled display shows
// it as sharp as its pixel density allows.
void ResultDisplay::ShowPage(const QImage& page, const QRect& rect)
{
    rect_ = rect;
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(rect.size()) * ratio).toSize();
    scaled_ = rect.isEmpty() || page.isNull() || device.isEmpty()
        ? QImage()
        : page.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(ratio);
    update();
}

void ResultDisplay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!scaled_.isNull())
        painter.drawImage(rect_.topLeft(), scaled_);
}

void ResultDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit Resized();
}

bool ResultDisplay::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        emit Resized(); // the page is scaled again for that screen's pixel density
    return handled;
}

} // namespace quorvane
