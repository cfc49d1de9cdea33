#include "core/shell/SheetGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/shell/Numeric.h"

namespace quorvane {

namespace {

constexpr double kMmPerInch = 25.4;

bool CountInRange(int count)
{
    return count >= 1 && count <= kMaxGridSheets;
}

bool GlueInRange(double glueMm)
{
    return glueMm >= 0.0 && glueMm <= kMaxGlueMm; // false for NaN
}

} // namespace

bool SheetGrid::IsValid() const
{
    return CountInRange(Columns) && CountInRange(Rows) && GlueInRange(GlueMm);
}

SheetGrid SheetGrid::Clamped() const
{
    SheetGrid clamped = *this;
    clamped.Columns = std::clamp(Columns, 1, kMaxGridSheets);
    clamped.Rows = std::clamp(Rows, 1, kMaxGridSheets);
    clamped.GlueMm = GlueInRange(GlueMm) ? GlueMm : (GlueMm > kMaxGlueMm ? kMaxGlueMm : 0.0);
    return clamped;
}

QSizeF SheetGrid::AssembledMm(QSizeF sheet) const
{
    if (IsSingle())
        return sheet;
    return {Columns * (sheet.width() - GlueMm) + GlueMm, Rows * (sheet.height() - GlueMm) + GlueMm};
}

QString GridText(const SheetGrid& grid)
{
    return QStringLiteral("%1x%2").arg(grid.Columns).arg(grid.Rows);
}

std::optional<SheetGrid> GridOfText(QStringView text)
{
    const qsizetype x = text.indexOf(u'x', 0, Qt::CaseInsensitive);
    if (x < 0)
        return std::nullopt;
    bool columnsOk = false;
    bool rowsOk = false;
    SheetGrid grid;
    grid.Columns = text.left(x).toInt(&columnsOk);
    grid.Rows = text.mid(x + 1).toInt(&rowsOk);
    if (!columnsOk || !rowsOk || !grid.IsValid())
        return std::nullopt;
    return grid;
}

std::optional<double> GlueOfText(QStringView text)
{
    bool ok = false;
    const double glue = text.toDouble(&ok);
    if (!ok || !GlueInRange(glue))
        return std::nullopt;
    return glue;
}

int32_t GluePixels(double glueMm, int32_t PageDpi)
{
    return RoundHalfEvenClamped(glueMm * PageDpi / kMmPerInch);
}

QSize GridOnPage::Assembled() const
{
    if (!grid.IsValid() || glue < 0 || sheet.width() <= glue || sheet.height() <= glue)
        return {};
    const int64_t width = int64_t(grid.Columns) * (sheet.width() - glue) + glue;
    const int64_t height = int64_t(grid.Rows) * (sheet.height() - glue) + glue;
    if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max())
        return {};
    return {int(width), int(height)};
}

QRect GridOnPage::SheetRect(int column, int row) const
{
    return {QPoint(column * (sheet.width() - glue), row * (sheet.height() - glue)), sheet};
}

} // namespace quorvane
