#include "core/output/ExpectedView.h"

#include <QPainter>
#include <QPainterPath>

#include "core/editor/PaperFitting.h"

namespace quorvane {

namespace {

// The scene's outline colour.
const QColor kOutlineColour(77, 77, 77);

QPointF MarkerCentre(QPoint paperPoint, QPoint viewOrigin)
{
    return QPointF(paperPoint + viewOrigin) + QPointF(0.5, -0.5);
}

} // namespace

std::optional<QTransform> CanvasToView(const Document& doc, QSizeF canvas)
{
    const std::optional<CanvasFit> fit = CanvasFitOf(doc, canvas);
    if (!fit)
        return std::nullopt;
    const QPointF shift = MarkerCentre(QPoint(0, 0), doc.Outline.ViewOrigin);
    QTransform transform;
    transform.translate(shift.x(), shift.y());
    transform.scale(1.0 / fit->scale, 1.0 / fit->scale);
    transform.translate(-fit->offset.x(), -fit->offset.y());
    return transform;
}

QPolygonF OutlineInView(const PaperOutline& outline)
{
    QPolygonF inView;
    for (const QPoint& p : outline.PaperPoint)
        inView << MarkerCentre(p, outline.ViewOrigin);
    return inView;
}

QImage ComposeExpectedView(const Document& doc, QSizeF canvas)
{
    const std::optional<QTransform> toView = CanvasToView(doc, canvas);
    if (!toView || doc.Outline.View.isEmpty())
        return {};
    QImage image(doc.Outline.View, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (doc.Outline.Source == OutlineSource::Photo)
        painter.drawImage(QPoint(0, 0), doc.Outline.Photo);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QPolygonF outline = OutlineInView(doc.Outline);
    QPainterPath paper;
    paper.addPolygon(outline);
    paper.closeSubpath();
    if (!doc.PictureImage.isNull()) {
        painter.save();
        painter.setClipPath(paper);
        painter.setTransform(*toView);
        const Placement& p = doc.Place;
        painter.drawImage(QRectF(p.SelX1, p.SelY1, double(p.SelX2) - p.SelX1, double(p.SelY2) - p.SelY1),
                          doc.PictureImage);
        painter.restore();
    }
    painter.setPen(QPen(kOutlineColour, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(paper);
    painter.drawLine(outline[5], outline[2]); // the fold

    return image;
}

} // namespace quorvane
