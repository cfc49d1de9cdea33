#pragma once

// PDF files of pages printed at actual size. Every PDF page is its paper's size, and what is
// drawn on it is given in millimetres, so that a page image drawn at its own resolution prints
// pixel for pixel at the size it was made for in any viewer. Images are embedded as they are:
// losslessly (Flate), never re-sampled.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include <QImage>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPainter;

namespace quorvane {

struct PdfPage {
    QSizeF sizeMm; // as the page lies: wider than tall for a landscape page
    // Draws the page; the painter's units are millimetres from the page's top-left corner.
    // False when what the page shows could not be had (a page made only as it is drawn).
    std::function<bool(QPainter&)> paint;
};

// A page image on its paper: the image's pixels at PageDpi, centred on a page of `paperMm`
// (the format's size, which the pixels may miss by a fraction of a pixel).
PdfPage ImagePdfPage(const QImage& image, int32_t PageDpi, const QSizeF& paperMm);

// Writes the pages, in order, as one PDF into `out`, which is open for writing and stays
// open. Returns the reason when it cannot; errors of `out` itself are its own to report.
std::optional<QString> WritePdf(QIODevice& out, std::span<const PdfPage> pages);

} // namespace quorvane
