#pragma once

// Printing a page through the system's spooler: the printer's sheet for the page's format,
// the page painted on it at its own size (or shrunk to the printable area), and the job handed
// over with the spooler told not to scale it. Used by the print dialog and the headless tool.

#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QSizeF>
#include <QString>

#include "core/designer/CameraSetup.h"
#include "core/output/PieceOutput.h"
#include "core/output/PrintableArea.h"
#include "core/output/PrintedPage.h"

class QPainter;
class QPrinter;

namespace quorvane {

// A page painted before or after the printed page, on a sheet of its own: the painter
// measures in points from the sheet's top-left corner, `paper` is the sheet's size.
using ExtraPage = std::function<void(QPainter& painter, const QSizeF& paper)>;

// The setup sheet as a page after the printed page, drawn at actual size on the sheet.
ExtraPage SetupSheetPrintPage(const CameraSetup& setup);

// A grid's assembly sheet, with the camera's setup line, drawn at actual size on the sheet.
ExtraPage AssemblySheetPrintPage(const PieceSheets& piece, const QString& setupLine);

// The sheets of a paper made of several, printed in place of one page. Each is made only
// as it is painted, so that they are never held all at once beside the page.
struct PrintSheets {
    QSize Pixels; // every sheet's
    int Count = 0;
    std::function<QImage(int index)> Make; // a null image when the sheet cannot be made
};

struct PrintRequest {
    QImage Page;         // the printed page, unless there are Sheets
    PrintedPage Printed; // the paper, its orientation and the page's (or each sheet's) resolution
    QRect Ink;           // InkBounds(Page), found once; with Sheets, where any sheet may have ink
    bool Fit = false;    // shrink to the printable area instead of actual size
    int Copies = 1;      // of the whole job, each copy complete
    QString JobName;
    std::vector<ExtraPage> LeadingPages; // before the page or the sheets
    std::optional<PrintSheets> Sheets;
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

// Paints the leading pages, the page or each sheet at `placement`, then the extra pages on
// `device` (set up by SetUpSheet); false when the device could not be painted on or a sheet
// could not be made.
bool PaintPrintJob(QPrinter& device, const PrintRequest& request, const PrintPlacement& placement);

// Prints the request on the printer; an empty text when the spooler took the job, else why
// it did not, for the user to read.
QString SubmitPrintJob(const QString& printerName, const PrintRequest& request);

} // namespace quorvane
