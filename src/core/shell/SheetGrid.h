#pragma once

// A paper made of several sheets: columns x rows of one format, each sheet's right and
// bottom glue strip lying under its neighbour. The assembled paper is C (W - g) + g wide and
// R (H - g) + g high for sheets W x H and a glue margin g; one sheet is today's paper.

#include <cstdint>
#include <optional>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringView>

namespace quorvane {

inline constexpr int kMaxGridSheets = 6; // per column and per row
inline constexpr double kDefaultGlueMm = 10.0;
inline constexpr double kMaxGlueMm = 30.0;

struct SheetGrid {
    int Columns = 1;
    int Rows = 1;
    double GlueMm = kDefaultGlueMm;

    bool operator==(const SheetGrid&) const = default;

    bool IsSingle() const { return Columns == 1 && Rows == 1; }
    // 1 to 6 columns and rows, a glue margin from 0 to 30 mm.
    bool IsValid() const;
    // The grid brought into the valid ranges.
    SheetGrid Clamped() const;
    int SheetCount() const { return Columns * Rows; }

    // The assembled paper in millimetres for sheets of `sheet` millimetres.
    QSizeF AssembledMm(QSizeF sheet) const;
};

// "3x2": columns, then rows.
QString GridText(const SheetGrid& grid);
// A grid of "CxR" (an upper-case X too) with the default glue; no value for other text or a
// grid out of range.
std::optional<SheetGrid> GridOfText(QStringView text);
// A glue margin in millimetres from its text ("10", "7.5"); no value outside 0 to 30.
std::optional<double> GlueOfText(QStringView text);

// The glue margin in whole pixels at a resolution.
int32_t GluePixels(double glueMm, int32_t PageDpi);

// The grid laid over the assembled page in pixels: every sheet is `sheet` pixels, and the
// next one along starts `glue` pixels before its end.
struct GridOnPage {
    SheetGrid grid;
    QSize sheet;
    int32_t glue = 0;

    // C (w - glue) + glue by R (h - glue) + glue; empty when the sheet is not larger than
    // its glue or the grid is not valid.
    QSize Assembled() const;
    // Where sheet (column, row), counted from 0, lies on the assembled page.
    QRect SheetRect(int column, int row) const;
};

} // namespace quorvane
