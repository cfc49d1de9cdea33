#include "core/output/PrintableArea.h"

#include <algorithm>

#include <QFileInfo>

namespace quorvane {

namespace {

constexpr double kPointsPerInch = 72.0;
// Pixels at least this light in every channel are paper, not ink.
constexpr int kWhiteFrom = 250;
// Rounding of the page's size in points must not count as ink over the margin.
constexpr double kCutTolerancePoints = 0.01;

bool IsInk(QRgb pixel)
{
    return qRed(pixel) < kWhiteFrom || qGreen(pixel) < kWhiteFrom || qBlue(pixel) < kWhiteFrom;
}

} // namespace

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

QRect InkBounds(const QImage& page)
{
    if (page.isNull())
        return {};
    // The 32-bit formats are read as they are (a premultiplied opaque pixel is its colour), so
    // a large page is not copied.
    const bool direct = page.format() == QImage::Format_RGB32 || page.format() == QImage::Format_ARGB32 ||
                        page.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage pixels = direct ? page : page.convertToFormat(QImage::Format_RGB32);
    int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int first = 0;
        while (first < pixels.width() && !IsInk(row[first]))
            ++first;
        if (first == pixels.width())
            continue;
        int last = pixels.width() - 1;
        while (!IsInk(row[last]))
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

PrintPlacement PlacePage(const PrintedPageSize& page, const PrintSheet& sheet, bool fit)
{
    if (page.Pixels.isEmpty() || !(page.Dpi > 0.0) || sheet.Printable.isEmpty())
        return {};
    const QSizeF actual = QSizeF(page.Pixels) * (kPointsPerInch / page.Dpi);
    PrintPlacement placement;
    if (fit) {
        placement.Scale = std::min(1.0, FitKeepingShape(actual, sheet.Printable).width() / actual.width());
        placement.Target = QRectF(QPointF(0, 0), actual * placement.Scale);
        placement.Target.moveCenter(sheet.Printable.center());
    } else {
        placement.Scale = 1.0;
        placement.Target = QRectF(QPointF(0, 0), actual);
        placement.Target.moveCenter(QRectF(QPointF(0, 0), sheet.Paper).center());
    }
    if (page.Ink.isEmpty())
        return placement;
    // The ink's pixel edges, carried onto the sheet.
    const double pointsPerPixel = placement.Target.width() / page.Pixels.width();
    const QRectF ink(placement.Target.topLeft() + QPointF(page.Ink.topLeft()) * pointsPerPixel,
                     QSizeF(page.Ink.size()) * pointsPerPixel);
    const QRectF allowed = sheet.Printable.adjusted(-kCutTolerancePoints, -kCutTolerancePoints,
                                                    kCutTolerancePoints, kCutTolerancePoints);
    placement.Cut = !allowed.contains(ink);
    return placement;
}

} // namespace quorvane
