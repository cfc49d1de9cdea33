#include "app/output/ResultDisplay.h"

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

void ResultDisplay::ShowPage(const QImage& page, const QRect& rect)
{
    rect_ = rect;
    scaled_ = rect.isEmpty() || page.isNull()
        ? QImage()
        : page.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

} // namespace quorvane
