#pragma once

// The printed sheets of a paper made of several laid back together, as the user tapes them:
// row by row from the top, each row from the left, every sheet over its neighbours' glue
// strips. Sheets left out because nothing was on them are white paper.

#include <cstdint>
#include <functional>
#include <optional>

#include <QImage>
#include <QSize>

#include "core/output/SheetCut.h"
#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"

namespace quorvane {

// The resolution among kPageDpis at which one of `paper`'s sheets is `sheet` pixels; no value
// for any other size.
std::optional<int32_t> SheetDpiOf(const Paper& paper, QSize sheet);

// A sheet's printed picture, or a null image for a sheet that was left out.
using SheetSource = std::function<QImage(const GridSheet& sheet)>;

struct LaidSheets {
    QImage page;   // the assembled page in 32-bit RGB; null when nothing could be laid
    int found = 0; // how many sheets the source had
};

// Lays every sheet the source has onto a white page of the grid's assembled size. Nothing is
// laid, and the page is null, when a sheet has another size than the grid's or none is found.
LaidSheets LaySheetsTogether(const GridOnPage& grid, const SheetSource& source);

} // namespace quorvane
