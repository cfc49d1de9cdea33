#pragma once

// The part of the sheet a printer can print on, for the page's orientation.

#include <QPageLayout>
#include <QRectF>

namespace quorvane {

// The printable area in points, measured from the top-left corner of the page as laid
// out (landscape pages wide). Printers report their unprintable margins for the paper
// held upright, and those margins stay with the paper: a landscape page reaches the
// printer turned a quarter counter-clockwise, so its top margin is the paper's left one,
// its left the paper's bottom, its right the paper's top and its bottom the paper's right.
QRectF PrintableAreaPoints(const QPageLayout& layout);

} // namespace quorvane
