#include "core/output/AssemblySheet.h"

#include <algorithm>

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QStringList>

namespace quorvane {

namespace {

// Shares of the area's height.
constexpr double kLineShare = 0.035; // one line of text
constexpr double kGridShare = 0.5;   // the grid drawing at most

bool IsSkipped(const std::vector<GridSheet>& skipped, int column, int row)
{
    return std::any_of(skipped.begin(), skipped.end(),
                       [&](const GridSheet& s) { return s.Column == column && s.Row == row; });
}

// One line of text at the top of `free`, which then starts below it.
void WriteLine(QPainter& painter, QRectF& free, const QString& text, double line)
{
    painter.drawText(QRectF(free.left(), free.top(), free.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
    free.setTop(free.top() + line);
}

QString Title(const Paper& paper)
{
    const SheetGrid& grid = paper.Grid;
    const QSizeF mm = paper.PageSizeMm();
    return QStringLiteral("%1 × %2 sheets of %3, %4 × %5 cm assembled, glue strips %6 mm")
        .arg(grid.Columns)
        .arg(grid.Rows)
        .arg(FormatTitle(paper.Format))
        .arg(mm.width() / 10.0, 0, 'f', 1)
        .arg(mm.height() / 10.0, 0, 'f', 1)
        .arg(grid.GlueMm, 0, 'g', 3);
}

// The grid to scale in `box`: each sheet lies over its neighbour's strip, as glued.
void PaintGrid(QPainter& painter, const QRectF& box, const Paper& paper, const std::vector<GridSheet>& skipped)
{
    const SheetGrid grid = paper.Grid.Clamped();
    const QSizeF sheet = paper.SheetSizeMm();
    const QSizeF whole = paper.PageSizeMm();
    const double scale = std::min(box.width() / whole.width(), box.height() / whole.height());
    const QPointF origin = box.topLeft() + QPointF(box.width() - whole.width() * scale, 0.0) / 2.0;
    const QSizeF size = sheet * scale;
    const double glue = grid.GlueMm * scale;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::min(size.height() / 8.0, size.width() / 7.0))));
    painter.setFont(font);
    for (int row = 0; row < grid.Rows; ++row) {
        for (int column = 0; column < grid.Columns; ++column) {
            const QRectF rect(origin + QPointF(column * (size.width() - glue), row * (size.height() - glue)), size);
            const bool left = IsSkipped(skipped, column, row);
            painter.setPen(QPen(left ? Qt::gray : Qt::black, 0.0, left ? Qt::DashLine : Qt::SolidLine));
            painter.setBrush(left ? QColor(235, 235, 235) : QColor(Qt::white));
            painter.drawRect(rect);
            const QString label = SheetLabel({column, row, {}});
            painter.drawText(rect, Qt::AlignCenter, left ? label + QStringLiteral("\nnot printed") : label);
        }
    }
    if (paper.Layout == PaperLayout::LFold) {
        const double y = origin.y() + whole.height() * scale / 2.0;
        painter.setPen(QPen(Qt::black, 0.0, Qt::DashDotLine));
        painter.drawLine(QPointF(origin.x(), y), QPointF(origin.x() + whole.width() * scale, y));
    }
}

} // namespace

QRectF PaintAssemblySheet(QPainter& painter, const QRectF& area, const Paper& paper,
                          const std::vector<GridSheet>& skipped)
{
    QStringList notes{QStringLiteral("Lay each sheet's right and bottom strip under its neighbour and line up the crosses.")};
    if (paper.Layout == PaperLayout::LFold)
        notes << QStringLiteral("Fold the assembled paper along the dashed line, where the sheets show ticks.");
    if (!skipped.empty()) {
        QStringList labels;
        for (const GridSheet& sheet : skipped)
            labels << SheetLabel(sheet);
        notes << QStringLiteral("Not printed, nothing is on them: ") + labels.join(QStringLiteral(", "));
    }
    painter.save();
    const double line = area.height() * kLineShare;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(line * 0.6)));
    // Smaller where the longest line would not fit across.
    double widest = QFontMetricsF(font).horizontalAdvance(Title(paper));
    for (const QString& note : notes)
        widest = std::max(widest, QFontMetricsF(font).horizontalAdvance(note));
    if (widest > area.width())
        font.setPixelSize(std::max(1, int(font.pixelSize() * area.width() / widest)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    QRectF free = area;
    WriteLine(painter, free, Title(paper), line);
    const QRectF gridBox(free.left(), free.top(), free.width(), area.height() * kGridShare);
    PaintGrid(painter, gridBox, paper, skipped);
    free.setTop(gridBox.bottom() + line / 2.0);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const QString& note : notes)
        WriteLine(painter, free, note, line);
    painter.restore();
    free.setTop(std::min(free.top() + line / 2.0, free.bottom()));
    return free;
}

} // namespace quorvane
