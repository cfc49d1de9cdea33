#include "core/output/PrintableArea.h"

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

} // namespace quorvane
