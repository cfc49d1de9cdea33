#include "core/output/PrintableArea.h"

#include <QFileInfo>

namespace quorvane {

QRectF PrintableAreaPoints(const QPageLayout& layout)
{
    QPageLayout inPoints = layout;
    inPoints.setUnits(QPageLayout::Point);
    const QMarginsF paper = inPoints.minimumMargins();
    const QRectF sheet = inPoints.fullRect();
    if (inPoints.orientation() == QPageLayout::Portrait)
        return sheet.marginsRemoved(paper);
    return sheet.marginsRemoved(QMarginsF(paper.bottom(), paper.left(), paper.top(), paper.right()));
}

QRectF FitKeepingShape(const QSizeF& page, const QRectF& area)
{
    if (page.isEmpty() || area.isEmpty())
        return {};
    const QSizeF fitted = page.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(0, 0), fitted);
    placed.moveCenter(area.center());
    return placed;
}

QString PrintJobName(const QString& savedPath)
{
    const QString name = QFileInfo(savedPath).fileName();
    return name.isEmpty() ? QStringLiteral("Quorvane page") : name;
}

} // namespace quorvane
