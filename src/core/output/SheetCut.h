#pragma once

// The page of a paper made of several sheets, cut into the sheets that are printed: each
// sheet's part of the assembled page at the format's pixel size, glue strips included, so
// that the sheets laid back with their strips under their neighbours give the page again.
// The page is read one row of sheets at a time, and each sheet is handed on as soon as it is
// cut, so that it can be written before the next one is made.

#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QRect>
#include <QString>

#include "core/shell/Paper.h"
#include "core/shell/SheetGrid.h"

namespace quorvane {

struct GridSheet {
    int Column = 0; // from 0, left to right
    int Row = 0;    // from 0, top to bottom
    QRect OnPage;   // its part of the assembled page

    bool operator==(const GridSheet&) const = default;
};

// "C2 R1": column and row counted from 1.
QString SheetLabel(const GridSheet& sheet);

// Every sheet of the grid, row by row from the top, each row from the left.
std::vector<GridSheet> SheetsOf(const GridOnPage& grid);

// Whether the image holds anything but white within `area` (pixels outside the image count
// as white; a fully transparent pixel is white paper).
bool HasContent(const QImage& image, const QRect& area);

// The page's rows from `top`, `height` of them, at the page's full width; a null image when
// they cannot be had.
using PageBand = std::function<QImage(int top, int height)>;

// A band source over a page held whole, without copying it (bands of a format other than
// 32-bit RGB or 24-bit RGB are converted to 32-bit RGB one at a time).
PageBand BandsOf(const QImage& page);

// Takes each printed sheet; false stops the cutting.
using SheetSink = std::function<bool(const GridSheet& sheet, const QImage& image)>;

// What the marks on the sheets need besides the grid.
struct SheetMarking {
    int32_t PageDpi = 0;
    std::optional<int> FoldRow; // the page row where the paper is folded, if it is
};
// The marks for a paper's page at a resolution: the L-folded paper's fold in the middle
// of the assembled height, as the page is made.
SheetMarking MarkingOf(const Paper& paper, int32_t PageDpi);

// One sheet of the page, its marks drawn when `marking` is given; a null image when its part
// of the page cannot be read or copied.
QImage CutSheet(const PageBand& page, const GridOnPage& grid, const GridSheet& sheet,
                const std::optional<SheetMarking>& marking);

struct SheetCutReport {
    std::vector<GridSheet> printed; // handed on, in order
    std::vector<GridSheet> skipped; // nothing on their part of the page
    bool complete = false;          // every sheet was cut or skipped; false when the page
                                    // could not be read or the sink stopped
};

// Cuts the page into its sheets and hands each one with something on it to `sink`, with the
// alignment crosses, its label and the fold ticks drawn on it when `marking` is given
// (without them the sheets are exactly the page's pixels).
SheetCutReport CutIntoSheets(const PageBand& page, const GridOnPage& grid, const std::optional<SheetMarking>& marking,
                             const SheetSink& sink);

} // namespace quorvane
