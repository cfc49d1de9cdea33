#include "app/output/PrintResult.h"

#include <QImage>
#include <QString>

#include "app/common/BusyCursor.h"
#include "app/common/Messages.h"

namespace quorvane {

PrintRequest PrintRequestOf(const QImage& page, const Paper& paper, const QString& jobName)
{
    PrintRequest request;
    request.Page = page;
    QString problem;
    // The viewer's pages are the program's own, so their size always names a resolution; a
    // page of another size prints at the resolution its image records.
    request.Printed = PrintedPageOf(page, paper.Format, problem)
                          .value_or(PrintedPage{paper.Format, QPageLayout::Portrait, RecordedDpi(page)});
    request.Ink = InkBounds(page);
    request.JobName = jobName;
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
