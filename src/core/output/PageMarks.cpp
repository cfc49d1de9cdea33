#include "core/output/PageMarks.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QPainter>

namespace quorvane {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kTickLengthMm = 6.0;
constexpr double kTickWidthMm = 0.3;
constexpr double kBarHeightMm = 1.5;
constexpr double kEdgeGapMm = 8.0;  // from the page's edges to the bar
constexpr double kLabelMm = 3.0;    // the height of the "5 cm" above the bar
constexpr int kWhiteEnough = 250;   // every channel at least this: paper left white

int Pixels(double mm, int32_t PageDpi)
{
    return int(std::lround(mm * PageDpi / kMmPerInch));
}

bool IsWhite(const QImage& page, const QRect& area)
{
    const QRect inside = area & page.rect();
    if (inside != area)
        return false;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qRed(row[x]) < kWhiteEnough || qGreen(row[x]) < kWhiteEnough || qBlue(row[x]) < kWhiteEnough)
                return false;
        }
    }
    return true;
}

void DrawFoldTicks(QPainter& painter, const QImage& page, int32_t PageDpi)
{
    const int length = Pixels(kTickLengthMm, PageDpi);
    const int width = std::max(1, Pixels(kTickWidthMm, PageDpi));
    const int top = page.height() / 2 - width / 2; // the fold: where the lying sheet's rows begin
    painter.fillRect(QRect(0, top, length, width), Qt::black);
    painter.fillRect(QRect(page.width() - length, top, length, width), Qt::black);
}

void DrawScaleBar(QPainter& painter, const QRect& bar, int32_t PageDpi)
{
    painter.fillRect(bar, Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, Pixels(kLabelMm * 0.8, PageDpi)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int label = Pixels(kLabelMm, PageDpi);
    painter.drawText(QRect(bar.left(), bar.top() - label - Pixels(0.5, PageDpi), bar.width(), label),
                     Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("5 cm"));
}

} // namespace

std::optional<QRect> ScaleBarPlace(const QImage& page, int32_t PageDpi)
{
    if (page.isNull() || PageDpi <= 0)
        return std::nullopt;
    const QSize bar(Pixels(kScaleBarMm, PageDpi), std::max(1, Pixels(kBarHeightMm, PageDpi)));
    const int gap = Pixels(kEdgeGapMm, PageDpi);
    const int label = Pixels(kLabelMm + 0.5, PageDpi);
    // The corner from the page's edges to the bar and its label must be white.
    const QSize corner(gap + bar.width(), gap + bar.height() + label);
    const int right = page.width() - corner.width();
    const int bottom = page.height() - corner.height();
    const QPoint corners[] = {{0, bottom}, {right, bottom}, {0, 0}, {right, 0}};
    for (const QPoint& at : corners) {
        const QRect area(at, corner);
        if (!IsWhite(page, area))
            continue;
        const int x = at.x() == 0 ? gap : page.width() - gap - bar.width();
        const int y = at.y() == 0 ? gap + label : page.height() - gap - bar.height();
        return QRect(QPoint(x, y), bar);
    }
    return std::nullopt;
}

void DrawPageMarks(QImage& page, const Paper& paper, int32_t PageDpi)
{
    if (page.isNull() || PageDpi <= 0)
        return;
    if (page.format() != QImage::Format_RGB32 && page.format() != QImage::Format_ARGB32)
        page = page.convertToFormat(QImage::Format_RGB32);
    const std::optional<QRect> bar = ScaleBarPlace(page, PageDpi);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    if (paper.Layout == PaperLayout::LFold)
        DrawFoldTicks(painter, page, PageDpi);
    if (bar)
        DrawScaleBar(painter, *bar, PageDpi);
}

} // namespace quorvane
