#include "app/designer/DesignerArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "core/shell/PageStyle.h"

namespace quorvane {

namespace {

// A transparent picture of `size` logical pixels with `ratio` device pixels to each.
QPixmap BlankPixmap(QSize size, qreal ratio = 1.0)
{
    QPixmap pixmap(ratio == 1.0 ? size : (QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Draws a path twice, wide in white and narrow in black, so it shows on any background.
void StrokeOutlined(QPainter& painter, const QPainterPath& path, double width)
{
    painter.strokePath(path, QPen(Qt::white, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// One sheet in an oblique view, filled white with a dark edge.
void DrawSheet(QPainter& painter, const QPolygonF& sheet, const QColor& fill)
{
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(fill);
    painter.drawPolygon(sheet);
}

} // namespace

QCursor RotateCursor()
{
    QPixmap pixmap = BlankPixmap(QSize(32, 32));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arc;
    arc.arcMoveTo(QRectF(6, 6, 20, 20), 120);
    arc.arcTo(QRectF(6, 6, 20, 20), 120, 280);
    QPainterPath head; // the arrow head at the arc's start, pointing up and left
    head.moveTo(7, 8);
    head.lineTo(15, 7);
    head.lineTo(9, 15);
    head.closeSubpath();
    StrokeOutlined(painter, arc, 2.0);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.setBrush(Qt::black);
    painter.drawPath(head);
    painter.end();
    return QCursor(pixmap, 7, 8);
}

QCursor MagnifierCursor()
{
    QPixmap pixmap = BlankPixmap(QSize(32, 32));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath handle;
    handle.moveTo(17, 17);
    handle.lineTo(27, 27);
    StrokeOutlined(painter, handle, 4.0);
    painter.setPen(QPen(Qt::black, 2.0));
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QPointF(11, 11), 8, 8);
    painter.end();
    return QCursor(pixmap, 6, 6);
}

QIcon StyleIcon(PaperLayout layout)
{
    // As many device pixels as the densest screen shows: sharp on a scaled display.
    QPixmap pixmap = BlankPixmap(QSize(44, 40), qApp->devicePixelRatio());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor standing(255, 255, 255);
    const QColor lying(236, 236, 236);
    switch (layout) {
    case PaperLayout::LFold:
        DrawSheet(painter, QPolygonF({{12, 4}, {38, 4}, {38, 22}, {12, 22}}), standing);
        DrawSheet(painter, QPolygonF({{12, 22}, {38, 22}, {30, 36}, {4, 36}}), lying);
        break;
    case PaperLayout::Flat:
        DrawSheet(painter, QPolygonF({{16, 8}, {42, 8}, {28, 34}, {2, 34}}), lying);
        break;
    case PaperLayout::Upright:
        DrawSheet(painter, QPolygonF({{4, 7}, {40, 7}, {40, 33}, {4, 33}}), standing);
        break;
    case PaperLayout::None:
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace quorvane
