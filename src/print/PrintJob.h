#pragma once

// Printing a page through the system's spooler: the printer's sheet for the page's format,
// the page painted on it at its own size (or shrunk to the printable area), and the job handed
// over with the spooler told not to scale it. Used by the print dialog and the headless tool.

#include <functional>
#include <vector>

#include <QImage>
#include <QSizeF>
#include <QString>

#include "core/designer/CameraSetup.h"
#include "core/output/PrintableArea.h"
#include "core/output/PrintedPage.h"

class QPainter;
class QPrinter;

namespace quorvane {

// A page painted after the printed page, on a sheet of its own: the painter measures in
// points from the sheet's top-left corner, `paper` is the sheet's size.
using ExtraPage = std::function<void(QPainter& painter, const QSizeF& paper)>;

// The setup sheet as a page after the printed page, drawn at actual size on the sheet.
ExtraPage SetupSheetPrintPage(const CameraSetup& setup);

struct PrintRequest {
    QImage Page;
    PrintedPage Printed; // the paper, its orientation and the page's resolution
    QRect Ink;           // InkBounds(Page), found once
    bool Fit = false;    // shrink to the printable area instead of actual size
    int Copies = 1;
    QString JobName;
    std::vector<ExtraPage> ExtraPages;
};

// What a printer makes of a request: why it cannot print it, or its sheet and where the page
// lands on it at actual size and fitted.
struct PrinterCheck {
    QString Problem; // empty when the printer can take the page
    PrintSheet Sheet;
    PrintPlacement Actual;
    PrintPlacement Fitted;

    const PrintPlacement& Chosen(bool fit) const { return fit ? Fitted : Actual; }
};

PrinterCheck CheckPrinter(const QString& printerName, const PrintRequest& request);

// Sets `device` to the request's paper and orientation, drawing from the paper's corner.
void SetUpSheet(QPrinter& device, const PrintRequest& request);

// Paints the page at `placement` and then the extra pages on `device` (set up by SetUpSheet);
// false when the device could not be painted on.
bool PaintPrintJob(QPrinter& device, const PrintRequest& request, const PrintPlacement& placement);

// Prints the request on the printer; an empty text when the spooler took the job, else why
// it did not, for the user to read.
QString SubmitPrintJob(const QString& printerName, const PrintRequest& request);

} // namespace quorvane
