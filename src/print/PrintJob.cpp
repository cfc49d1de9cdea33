#include "print/PrintJob.h"

#include <cups/cups.h>

#include <algorithm>
#include <utility>

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "core/output/SetupSheet.h"

namespace quorvane {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPointsPerMm = kPointsPerInch / 25.4;

QPageSize PaperSizeOf(const PrintRequest& request)
{
    return Paper{request.Printed.Format, PaperLayout::LFold}.PrintPageSize();
}

// The printer's own entry for the paper; none when it lists sizes but not this one. A printer
// that lists no sizes at all is given the paper as it is.
std::optional<QPageSize> PrinterPaper(const QPrinterInfo& printer, const QPageSize& paper)
{
    const QList<QPageSize> sizes = printer.supportedPageSizes();
    if (sizes.isEmpty())
        return paper;
    for (const QPageSize& size : sizes) {
        if (size.isEquivalentTo(paper))
            return size;
    }
    return std::nullopt;
}

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

ExtraPage SetupSheetPrintPage(const CameraSetup& setup)
{
    return [setup](QPainter& painter, const QSizeF& paper) {
        painter.scale(kPointsPerMm, kPointsPerMm);
        PaintSetupSheet(painter, paper / kPointsPerMm, setup);
    };
}

ExtraPage AssemblySheetPrintPage(const PieceSheets& piece, const QString& setupLine)
{
    return [piece, setupLine](QPainter& painter, const QSizeF& paper) {
        painter.scale(kPointsPerMm, kPointsPerMm);
        PaintAssemblyPage(painter, paper / kPointsPerMm, piece, setupLine);
    };
}

PrinterCheck CheckPrinter(const QString& printerName, const PrintRequest& request)
{
    PrinterCheck check;
    const QPrinterInfo printer = QPrinterInfo::printerInfo(printerName);
    if (printer.isNull()) {
        check.Problem = QStringLiteral("The printer %1 is not installed.").arg(Quoted(printerName));
        return check;
    }
    const QPageSize paper = PaperSizeOf(request);
    if (!PrinterPaper(printer, paper)) {
        check.Problem = QStringLiteral("The printer %1 cannot take %2 paper, the page's format.")
                            .arg(Quoted(printerName), FormatTitle(request.Printed.Format));
        return check;
    }
    QPrinter device(printer, QPrinter::HighResolution);
    device.setPageSize(paper);
    device.setPageOrientation(request.Printed.Orientation);
    const QPageLayout layout = device.pageLayout();
    check.Sheet = {layout.fullRectPoints().size(), PrintableAreaPoints(layout)};
    const QSize pixels = request.Sheets ? request.Sheets->Pixels : request.Page.size();
    const PrintedPageSize page{pixels, request.Printed.Dpi, request.Ink};
    check.Actual = PlacePage(page, check.Sheet, false);
    check.Fitted = PlacePage(page, check.Sheet, true);
    if (check.Actual.Scale <= 0.0)
        check.Problem = QStringLiteral("The page cannot be placed on the printer %1's paper.").arg(Quoted(printerName));
    return check;
}

void SetUpSheet(QPrinter& device, const PrintRequest& request)
{
    device.setFullPage(true);
    device.setPageSize(PaperSizeOf(request));
    device.setPageOrientation(request.Printed.Orientation);
    device.setPageMargins(QMarginsF(), QPageLayout::Point);
    device.setDocName(request.JobName);
}

bool PaintPrintJob(QPrinter& device, const PrintRequest& request, const PrintPlacement& placement)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pixelsPerPoint = device.resolution() / kPointsPerInch;
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The page's pixels go to the spooler as they are, not recompressed as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QSizeF paper = device.pageLayout().fullRectPoints().size();
    bool first = true;
    // Every page after the first starts a sheet of its own.
    const auto startPage = [&] { return std::exchange(first, false) || device.newPage(); };
    const auto paintExtra = [&](const ExtraPage& extra) {
        if (!startPage())
            return false;
        painter.save();
        extra(painter, paper);
        painter.restore();
        return true;
    };
    if (!std::ranges::all_of(request.LeadingPages, paintExtra))
        return false;
    for (int i = 0; i < (request.Sheets ? request.Sheets->Count : 1); ++i) {
        const QImage image = request.Sheets ? request.Sheets->Make(i) : request.Page;
        if ((request.Sheets && image.isNull()) || !startPage())
            return false;
        painter.drawImage(placement.Target, image, QRectF(image.rect()));
    }
    return std::ranges::all_of(request.ExtraPages, paintExtra) && painter.end();
}

// The job is written as a PDF file and handed to the spooler here rather than by the
// toolkit, which does not report a job the spooler refuses.
QString SubmitPrintJob(const QString& printerName, const PrintRequest& request)
{
    const PrinterCheck check = CheckPrinter(printerName, request);
    if (!check.Problem.isEmpty())
        return check.Problem;
    const QTemporaryDir folder;
    if (!folder.isValid())
        return QStringLiteral("No temporary folder for the print job: %1").arg(folder.errorString());
    const QString file = folder.filePath(QStringLiteral("job.pdf"));
    QPrinter job(QPrinter::HighResolution);
    job.setOutputFormat(QPrinter::PdfFormat);
    job.setOutputFileName(file);
    job.setCreator(QStringLiteral("Quorvane"));
    SetUpSheet(job, request);
    if (!PaintPrintJob(job, request, check.Chosen(request.Fit)))
        return QStringLiteral("The print job could not be written to %1.").arg(file);

    const QPageSize paper = PrinterPaper(QPrinterInfo::printerInfo(printerName), PaperSizeOf(request))
                                .value_or(PaperSizeOf(request));
    const QByteArray copies = QByteArray::number(std::max(1, request.Copies));
    const QByteArray media = paper.key().toUtf8();
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption("copies", copies.constData(), count, &options);
    // Each copy of a job of several pages comes out whole, in order.
    count = cupsAddOption("collate", "true", count, &options);
    count = cupsAddOption("media", media.constData(), count, &options);
    // The page is already at the size it must have on the paper.
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption("fit-to-page", "false", count, &options);
    const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, printerName.toUtf8().constData(), file.toLocal8Bit().constData(),
                                     request.JobName.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (jobId == 0) {
        return QStringLiteral("The printer %1 refused the job: %2")
            .arg(Quoted(printerName), QString::fromUtf8(cupsLastErrorString()));
    }
    return {};
}

} // namespace quorvane
