#include "core/output/PieceOutput.h"

#include <memory>

#include <QFont>
#include <QPainter>

#include "core/output/AssemblySheet.h"
#include "core/output/PagePdf.h"
#include "core/output/SaveNames.h"

namespace quorvane {

namespace {

constexpr double kAssemblyMarginMm = 12.0;

// What became of the set when sheet `failed` could not be saved.
QString UnsavedSheets(const PieceSheets& piece, size_t failed)
{
    const size_t after = piece.printed.size() - failed - 1;
    return QStringLiteral(" Sheets saved: %1 of %2; sheet %3")
               .arg(failed)
               .arg(piece.printed.size())
               .arg(SheetLabel(piece.printed[failed]))
        + (after == 0 ? QStringLiteral(" was not saved.")
                      : QStringLiteral(" and the %1 after it were not saved.").arg(after));
}

WriteResult WriteSheetPictures(const QImage& page, const PieceSheets& piece, const QString& output)
{
    const QStringList files = SheetFileNames(piece, output);
    for (size_t i = 0; i < piece.printed.size(); ++i) {
        const QString& file = files[qsizetype(i)];
        const QImage image = PrintedSheet(page, piece, piece.printed[i]);
        WriteResult written =
            image.isNull() ? WriteResult{WriteStatus::WriteFailed,
                                         SaveFailureMessage(file, QStringLiteral("there is not enough memory for the sheet"))}
                           : WriteResultImage(image, file, piece.PageDpi);
        if (written.status != WriteStatus::Written) {
            written.message += UnsavedSheets(piece, i);
            return written;
        }
    }
    return {WriteStatus::Written, {}};
}

// The assembly sheet on an upright page, then each sheet on its own page, cut as it is drawn.
WriteResult WritePiecePdf(const QImage& page, const PieceSheets& piece, const QString& setupLine,
                          const QString& output)
{
    const auto shared = std::make_shared<const PieceSheets>(piece);
    const QSizeF uprightMm = Paper{piece.paper.Format, PaperLayout::LFold}.PageSizeMm();
    std::vector<PdfPage> pages{{uprightMm, [shared, setupLine, uprightMm](QPainter& painter) {
                                    PaintAssemblyPage(painter, uprightMm, *shared, setupLine);
                                    return true;
                                }}};
    const QSizeF sheetMm = piece.paper.SheetSizeMm();
    for (const GridSheet& sheet : piece.printed) {
        pages.push_back({sheetMm, [page, shared, sheet, sheetMm](QPainter& painter) {
                             const QImage image = PrintedSheet(page, *shared, sheet);
                             return !image.isNull() && ImagePdfPage(image, shared->PageDpi, sheetMm).paint(painter);
                         }});
    }
    return WriteResultPdf(pages, output);
}

} // namespace

std::optional<PieceSheets> PieceSheetsOf(const QImage& page, const Paper& paper, int32_t PageDpi)
{
    const std::optional<GridOnPage> grid = paper.GridAt(PageDpi);
    if (!grid || page.isNull() || page.size() != grid->Assembled())
        return std::nullopt;
    PieceSheets piece{paper, PageDpi, *grid, {}, {}};
    for (const GridSheet& sheet : SheetsOf(*grid))
        (HasContent(page, sheet.OnPage) ? piece.printed : piece.skipped).push_back(sheet);
    return piece;
}

QImage PrintedSheet(const QImage& page, const PieceSheets& piece, const GridSheet& sheet)
{
    return CutSheet(BandsOf(page), piece.grid, sheet, MarkingOf(piece.paper, piece.PageDpi));
}

void PaintAssemblyPage(QPainter& painter, const QSizeF& pageMm, const PieceSheets& piece, const QString& setupLine)
{
    const QRectF area(kAssemblyMarginMm, kAssemblyMarginMm, pageMm.width() - 2 * kAssemblyMarginMm,
                      pageMm.height() - 2 * kAssemblyMarginMm);
    const QRectF free = PaintAssemblySheet(painter, area, piece.paper, piece.skipped);
    // Fonts take whole pixel sizes: the line is set in tenths of a millimetre.
    painter.save();
    painter.scale(0.1, 0.1);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(35);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(free.topLeft() * 10.0, free.size() * 10.0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     setupLine);
    painter.restore();
}

QStringList SheetFileNames(const PieceSheets& piece, const QString& output)
{
    QStringList files;
    for (const GridSheet& sheet : piece.printed)
        files << SheetFileName(output, sheet.Column, sheet.Row);
    return files;
}

WriteResult WritePieceSheets(const QImage& page, const PieceSheets& piece, const QString& setupLine,
                             const QString& output)
{
    // The name itself is not written for pictures, but it makes every sheet's name.
    if (const std::optional<WriteResult> refused = CheckResultTarget(output);
        refused && refused->status == WriteStatus::UnsupportedName)
        return *refused;
    if (FormatOfFileName(output) == PageFileFormat::Pdf)
        return WritePiecePdf(page, piece, setupLine, output);
    return WriteSheetPictures(page, piece, output);
}

} // namespace quorvane
