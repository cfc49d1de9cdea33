#pragma once

// What a saved page is on paper: the format and resolution its pixels were made for, so it
// prints at its own size.

#include <optional>

#include <QPageLayout>
#include <QSize>
#include <QString>

#include "core/shell/Paper.h"

class QImage;

namespace quorvane {

struct PrintedPage {
    PaperFormat Format = PaperFormat::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait; // landscape: the page on its side
    double Dpi = 0.0;
};

// The format, orientation and resolution of a page of exactly `pixels`, as the program
// makes them (Paper::PageSize); no value for any other size.
std::optional<PrintedPage> PageOfSize(QSize pixels);

// The resolution the image file recorded, in dots per inch; 0 when it records none that
// makes sense.
double RecordedDpi(const QImage& page);

// How a page is printed: by its size when it is one of the program's pages; else at its
// recorded resolution on `paper` (oriented as the page), when a paper is given. No value
// otherwise, with the reason in `problem`.
std::optional<PrintedPage> PrintedPageOf(const QImage& page, std::optional<PaperFormat> paper, QString& problem);

} // namespace quorvane
