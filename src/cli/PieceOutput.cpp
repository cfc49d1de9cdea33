#include "cli/PieceOutput.h"

#include <vector>

#include <QFileInfo>
#include <QFont>
#include <QPainter>

#include "cli/CommandSupport.h"
#include "core/output/AssemblySheet.h"
#include "core/output/ResultWriter.h"
#include "core/output/SaveNames.h"
#include "core/output/SheetCut.h"

namespace quorvane::cli {

namespace {

constexpr double kAssemblyMarginMm = 12.0;

// The assembly sheet on an upright page of the format, the camera's setup line below it.
PdfPage AssemblyPage(const CameraSetup& setup, const std::vector<GridSheet>& skipped)
{
    const Paper sheet{setup.paper.Format, PaperLayout::LFold};
    const QSizeF pageMm = sheet.PageSizeMm();
    return {pageMm, [setup, skipped, pageMm](QPainter& painter) {
                const QRectF area(kAssemblyMarginMm, kAssemblyMarginMm, pageMm.width() - 2 * kAssemblyMarginMm,
                                  pageMm.height() - 2 * kAssemblyMarginMm);
                const QRectF free = PaintAssemblySheet(painter, area, setup.paper, skipped);
                // Fonts take whole pixel sizes: the line is set in tenths of a millimetre.
                painter.save();
                painter.scale(0.1, 0.1);
                QFont font(QStringLiteral("DejaVu Sans"));
                font.setPixelSize(35);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(free.topLeft() * 10.0, free.size() * 10.0),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, SetupLine(setup));
                painter.restore();
            }};
}

} // namespace

QString SheetFileName(const QString& output, int column, int row)
{
    const QFileInfo info(output);
    const QString suffix = info.suffix();
    const QString stem = output.left(output.size() - suffix.size() - (suffix.isEmpty() ? 0 : 1));
    return QStringLiteral("%1-C%2-R%3%4")
        .arg(stem)
        .arg(column + 1)
        .arg(row + 1)
        .arg(suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix);
}

int WritePieceSheets(const QImage& page, int32_t PageDpi, const CameraSetup& setup, const QString& output)
{
    const Paper& paper = setup.paper;
    const std::optional<GridOnPage> grid = paper.GridAt(PageDpi);
    if (!grid || page.size() != grid->Assembled())
        return Fail("the page does not match its sheets", kExitWriteFailed);
    const bool pdf = FormatOfFileName(output) == PageFileFormat::Pdf;
    const QSizeF sheetMm = paper.SheetSizeMm();
    std::vector<PdfPage> pages(1);
    WriteResult failed{WriteStatus::Written, {}};
    const SheetCutReport report =
        CutIntoSheets(BandsOf(page), *grid, MarkingOf(paper, PageDpi), [&](const GridSheet& sheet, const QImage& image) {
            if (pdf) {
                pages.push_back(ImagePdfPage(image, PageDpi, sheetMm));
                return true;
            }
            const WriteResult written = WriteResultImage(image, SheetFileName(output, sheet.Column, sheet.Row), PageDpi);
            if (written.status != WriteStatus::Written)
                failed = written;
            return written.status == WriteStatus::Written;
        });
    if (failed.status != WriteStatus::Written)
        return ExitCodeOf(failed);
    if (!report.complete)
        return Fail("the page could not be cut into its sheets", kExitWriteFailed);
    if (!pdf)
        return kExitDone;
    pages.front() = AssemblyPage(setup, report.skipped);
    return ExitCodeOf(WriteResultPdf(pages, output));
}

} // namespace quorvane::cli
