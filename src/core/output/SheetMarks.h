#pragma once

// The marks on a printed sheet of a paper made of several sheets: alignment crosses where
// it overlaps a neighbour (each neighbour draws the same cross at the same place of the
// assembled page), its label, and ticks where the paper's fold crosses it.

#include <vector>

#include <QImage>
#include <QPoint>

#include "core/output/SheetCut.h"
#include "core/shell/SheetGrid.h"

namespace quorvane {

// The centre pixels, in page pixels, of the crosses the sheet shares with its neighbours:
// two on each seam, in the middle of the overlap, at a quarter and three quarters of it.
std::vector<QPoint> CrossesOn(const GridOnPage& grid, const GridSheet& sheet);

// Draws the sheet's crosses, its label (in its bottom glue strip, which its neighbour
// below covers) and the fold ticks on `image`, the sheet's part of the page.
void DrawSheetMarks(QImage& image, const GridOnPage& grid, const GridSheet& sheet, const SheetMarking& marking);

} // namespace quorvane
