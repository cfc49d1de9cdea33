#include "app/photo/PhotoCornersView.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quorvane {

namespace {

constexpr double kHandleRadius = 6.0;  // widget pixels
constexpr double kHandleReach = 14.0;  // widget pixels a press may be from a handle
constexpr int kMagnifierSide = 140;    // widget pixels
constexpr double kMagnification = 6.0; // photo pixel to magnifier pixels
constexpr int kMagnifierGap = 24;      // widget pixels between the corner and the magnifier

const QColor kEdgeColour(255, 200, 0);
const QColor kHandleColour(0, 160, 255);

} // namespace

PhotoCornersView::PhotoCornersView(const QImage& photo, const CornerEdit& edit, QWidget* parent)
    : QWidget(parent)
    , photo_(photo)
    , edit_(edit)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(480, 320);
}

double PhotoCornersView::Scale() const
{
    if (photo_.isNull())
        return 1.0;
    return std::min(double(width()) / photo_.width(), double(height()) / photo_.height());
}

QPointF PhotoCornersView::Offset() const
{
    const double k = Scale();
    return QPointF((width() - photo_.width() * k) / 2.0, (height() - photo_.height() * k) / 2.0);
}

QPointF PhotoCornersView::ToWidget(QPointF photo) const
{
    return Offset() + photo * Scale();
}

QPointF PhotoCornersView::ToPhoto(QPointF widget) const
{
    return (widget - Offset()) / Scale();
}

QRect PhotoCornersView::MagnifierRect() const
{
    if (!edit_.Selected())
        return {};
    const QPointF at = ToWidget(edit_.Corners()[size_t(*edit_.Selected())]);
    // Beside the corner, on the side with more room, kept inside the widget.
    const int x = at.x() < width() / 2.0 ? int(at.x()) + kMagnifierGap : int(at.x()) - kMagnifierGap - kMagnifierSide;
    const int y = at.y() < height() / 2.0 ? int(at.y()) + kMagnifierGap : int(at.y()) - kMagnifierGap - kMagnifierSide;
    return QRect(std::clamp(x, 0, std::max(0, width() - kMagnifierSide)),
                 std::clamp(y, 0, std::max(0, height() - kMagnifierSide)), kMagnifierSide, kMagnifierSide);
}

void PhotoCornersView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const double k = Scale();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(Offset(), QSizeF(photo_.size()) * k), photo_);
    painter.setRenderHint(QPainter::Antialiasing);
    const PhotoPoints& c = edit_.Corners();
    QPolygonF outline;
    for (int corner : edit_.Handles())
        outline << ToWidget(c[size_t(corner)]);
    painter.setPen(QPen(kEdgeColour, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    if (edit_.Handles().size() == 6)
        painter.drawLine(ToWidget(c[5]), ToWidget(c[2])); // the fold
    for (int corner : edit_.Handles()) {
        painter.setPen(QPen(kHandleColour, 2.0));
        painter.setBrush(edit_.Selected() == corner ? QBrush(kHandleColour) : QBrush(Qt::NoBrush));
        painter.drawEllipse(ToWidget(c[size_t(corner)]), kHandleRadius, kHandleRadius);
    }
    DrawMagnifier(painter);
}

// The photo around the selected corner, enlarged, with cross-hairs on the corner.
void PhotoCornersView::DrawMagnifier(QPainter& painter) const
{
    const QRect box = MagnifierRect();
    if (box.isEmpty())
        return;
    const QPointF corner = edit_.Corners()[size_t(*edit_.Selected())];
    const double half = kMagnifierSide / kMagnification / 2.0;
    painter.save();
    painter.setClipRect(box);
    painter.fillRect(box, Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.translate(QPointF(box.center()) + QPointF(0.5, 0.5));
    painter.scale(kMagnification, kMagnification);
    painter.translate(-corner);
    painter.drawImage(QRectF(corner - QPointF(half + 1, half + 1), QSizeF(2 * half + 2, 2 * half + 2)), photo_,
                      QRectF(corner - QPointF(half + 1, half + 1), QSizeF(2 * half + 2, 2 * half + 2)));
    painter.restore();
    painter.setPen(QPen(kHandleColour, 1.0));
    const QPointF centre = QPointF(box.center()) + QPointF(0.5, 0.5);
    painter.drawLine(QPointF(box.left(), centre.y()), QPointF(box.right() + 1, centre.y()));
    painter.drawLine(QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom() + 1));
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

void PhotoCornersView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = ToPhoto(event->position());
    const std::optional<int> handle = edit_.HandleNear(at, kHandleReach / Scale());
    if (!handle)
        return;
    edit_.Select(*handle);
    dragging_ = true;
    grip_ = edit_.Corners()[size_t(*handle)] - at;
    update();
}

void PhotoCornersView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_ || !edit_.Selected())
        return;
    edit_.MoveTo(*edit_.Selected(), ToPhoto(event->position()) + grip_);
    update();
    emit CornersChanged();
}

void PhotoCornersView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void PhotoCornersView::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!edit_.Selected())
        return;
    edit_.Nudge(dx, dy);
    update();
    emit CornersChanged();
}

} // namespace quorvane
