#include "app/output/PrintResult.h"

#include <QImage>
#include <QString>

#include "app/common/BusyCursor.h"
#include "app/common/Messages.h"

namespace quorvane {

namespace {

std::optional<int32_t> ResolutionOfPage(const Paper& paper, QSize size)
{
    for (const int32_t dpi : kPageDpis) {
        if (paper.PageSize(dpi) == size)
            return dpi;
    }
    return std::nullopt;
}

// The grid's assembly sheet, then its sheets, each cut from `page` as it is printed. A page
// that is not the grid's has no sheets, which no printer can place.
void AddPieceSheets(PrintRequest& request, const QImage& page, const Paper& paper,
                    const std::optional<CameraSetup>& setup)
{
    const std::optional<int32_t> dpi = ResolutionOfPage(paper, page.size());
    const std::optional<PieceSheets> piece = dpi ? PieceSheetsOf(page, paper, *dpi) : std::nullopt;
    if (!piece) {
        request.Sheets = PrintSheets{};
        return;
    }
    const QSize pixels = piece->grid.sheet;
    request.Printed = {paper.Format, pixels.width() > pixels.height() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       double(*dpi)};
    request.Ink = QRect(QPoint(0, 0), pixels); // the sheets' crosses and ticks reach near their edges
    request.LeadingPages.push_back(AssemblySheetPrintPage(*piece, setup ? SetupLine(*setup) : QString()));
    request.Sheets = PrintSheets{pixels, int(piece->printed.size()), [page, piece = *piece](int index) {
                                     return PrintedSheet(page, piece, piece.printed[size_t(index)]);
                                 }};
}

} // namespace

PrintRequest PrintRequestOf(const QImage& page, const Paper& paper, const QString& jobName,
                            const std::optional<CameraSetup>& setup)
{
    PrintRequest request;
    request.JobName = jobName;
    if (!paper.Grid.IsSingle()) {
        AddPieceSheets(request, page, paper, setup);
        return request;
    }
    request.Page = page;
    QString problem;
    // The viewer's pages are the program's own, so their size always names a resolution; a
    // page of another size prints at the resolution its image records.
    request.Printed = PrintedPageOf(page, paper.Format, problem)
                          .value_or(PrintedPage{paper.Format, QPageLayout::Portrait, RecordedDpi(page)});
    request.Ink = InkBounds(page);
    return request;
}

bool PrintResult(QWidget* parent, const QString& printerName, const PrintRequest& request)
{
    QString problem;
    {
        const BusyCursor busy;
        problem = SubmitPrintJob(printerName, request);
    }
    if (problem.isEmpty())
        return true;
    ShowError(parent, QStringLiteral("The page was not printed. ") + problem);
    return false;
}

} // namespace quorvane
