#pragma once

// The part of the sheet a printer can print on, for the page's orientation, and where the
// page goes on the sheet: at its own size as a rule, shrunk to the printable area on request.

#include <QImage>
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

// The smallest rectangle holding every pixel of `page` that is not white; empty for a page
// that is white all over (or null). Near-white counts as white: light paper grain is no ink.
QRect InkBounds(const QImage& page);

// The printer's sheet as laid out, in points: the paper and its printable part.
struct PrintSheet {
    QSizeF Paper;
    QRectF Printable;
};

// A page to print: its pixels, their resolution and where its ink lies (see InkBounds).
struct PrintedPageSize {
    QSize Pixels;
    double Dpi = 0.0;
    QRect Ink;
};

// Where the page lands on the sheet, in points from the sheet's top-left corner.
struct PrintPlacement {
    QRectF Target;      // the page's whole image
    double Scale = 0.0; // of the page's own size (pixels / dpi); 1 at actual size
    bool Cut = false;   // some ink falls outside the printable area
};

// At actual size the page is centred on the paper; fitted it is shrunk alike in both
// directions, never enlarged, until it lies in the printable area, and centred there. No
// placement (scale 0) for an empty page, a resolution of 0 or an empty printable area.
PrintPlacement PlacePage(const PrintedPageSize& page, const PrintSheet& sheet, bool fit);

} // namespace quorvane
