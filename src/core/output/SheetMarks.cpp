#include "core/output/SheetMarks.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QPainter>

namespace quorvane {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kCrossArmMm = 4.0;  // from the centre to the end of each arm
constexpr double kLineMm = 0.2;      // the crosses' and ticks' line width
constexpr double kTickMm = 6.0;      // the fold ticks' length from the sheet's edge
constexpr double kLabelMm = 3.0;     // the label's height at most
constexpr double kLabelInsetMm = 2.0;

const QColor kMarkColour(0, 0, 0);
const QColor kLabelColour(90, 90, 90);

int Pixels(double mm, int32_t PageDpi)
{
    return std::max(1, int(std::lround(mm * PageDpi / kMmPerInch)));
}

// The crosses on the seam from `a` to `b` along one axis, `across` being the seam's place
// on the other axis: at a quarter and three quarters of the way.
void AddSeam(std::vector<QPoint>& crosses, int a, int b, int across, bool vertical)
{
    for (const int along : {a + (b - a) / 4, a + 3 * (b - a) / 4})
        crosses.push_back(vertical ? QPoint(across, along) : QPoint(along, across));
}

void DrawCross(QPainter& painter, QPoint centre, int arm, int line)
{
    const int half = line / 2;
    painter.fillRect(QRect(centre.x() - arm, centre.y() - half, 2 * arm + 1, line), kMarkColour);
    painter.fillRect(QRect(centre.x() - half, centre.y() - arm, line, 2 * arm + 1), kMarkColour);
}

void DrawLabel(QPainter& painter, const QImage& image, const GridOnPage& grid, const GridSheet& sheet, int32_t PageDpi)
{
    const bool stripBelow = sheet.Row + 1 < grid.grid.Rows && grid.glue > 0;
    const int height = stripBelow ? std::min(Pixels(kLabelMm, PageDpi), grid.glue * 3 / 5) : Pixels(kLabelMm, PageDpi);
    if (height < 4)
        return;
    const int inset = Pixels(kLabelInsetMm, PageDpi);
    // In the middle of the strip below, past the overlap on the left; else just above the
    // bottom edge.
    const int bottom = stripBelow ? image.height() - (grid.glue - height) / 2 : image.height() - inset;
    QFont font;
    font.setPixelSize(height);
    painter.setFont(font);
    painter.setPen(kLabelColour);
    const QRect box(grid.glue + inset, bottom - height, image.width() / 5, height);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, SheetLabel(sheet));
}

} // namespace

std::vector<QPoint> CrossesOn(const GridOnPage& grid, const GridSheet& sheet)
{
    std::vector<QPoint> crosses;
    const QRect& r = sheet.OnPage;
    const int middle = grid.glue / 2; // from the start of the overlap
    const int right = r.x() + r.width() - grid.glue + middle;
    const int below = r.y() + r.height() - grid.glue + middle;
    if (sheet.Column > 0)
        AddSeam(crosses, r.y(), r.y() + r.height(), r.x() + middle, true);
    if (sheet.Column + 1 < grid.grid.Columns)
        AddSeam(crosses, r.y(), r.y() + r.height(), right, true);
    if (sheet.Row > 0)
        AddSeam(crosses, r.x(), r.x() + r.width(), r.y() + middle, false);
    if (sheet.Row + 1 < grid.grid.Rows)
        AddSeam(crosses, r.x(), r.x() + r.width(), below, false);
    return crosses;
}

void DrawSheetMarks(QImage& image, const GridOnPage& grid, const GridSheet& sheet, const SheetMarking& marking)
{
    if (image.isNull() || marking.PageDpi <= 0)
        return;
    QPainter painter(&image);
    const int line = Pixels(kLineMm, marking.PageDpi);
    const int arm = Pixels(kCrossArmMm, marking.PageDpi);
    const QPoint origin = sheet.OnPage.topLeft();
    for (const QPoint& cross : CrossesOn(grid, sheet))
        DrawCross(painter, cross - origin, arm, line);
    if (marking.FoldRow) {
        const int row = *marking.FoldRow - origin.y();
        if (row >= 0 && row < image.height()) {
            const int tick = Pixels(kTickMm, marking.PageDpi);
            const int top = row - line / 2;
            painter.fillRect(QRect(0, top, tick, line), kMarkColour);
            painter.fillRect(QRect(image.width() - tick, top, tick, line), kMarkColour);
        }
    }
    DrawLabel(painter, image, grid, sheet, marking.PageDpi);
}

} // namespace quorvane
