#pragma once

// The part of the sheet a printer can print on, for the page's orientation, and where the
// page goes in it.

#include <QPageLayout>
#include <QRectF>
#include <QString>

namespace quorvane {

// The printable area in points, measured from the top-left corner of the page as laid
// out (landscape pages wide). Printers report their unprintable margins for the paper
// held upright, and those margins stay with the paper: a landscape page reaches the
// printer turned a quarter counter-clockwise, so its top margin is the paper's left one,
// its left the paper's bottom, its right the paper's top and its bottom the paper's right.
QRectF PrintableAreaPoints(const QPageLayout& layout);

// The largest rectangle of the page's shape inside `area`, centred in it: both sides scaled
// alike, so the sheet's geometry reaches the paper undistorted. Empty for an empty page or area.
QRectF FitKeepingShape(const QSizeF& page, const QRectF& area);

// The print job's name: the file name of the saved page, else "Quorvane page".
QString PrintJobName(const QString& savedPath);

} // namespace quorvane
