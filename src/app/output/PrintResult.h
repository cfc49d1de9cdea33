#pragma once

// Printing the viewer's page: the request for its paper, and handing it to the spooler with
// any failure reported to the user.

#include "core/shell/Paper.h"
#include "print/PrintJob.h"

class QImage;
class QString;
class QWidget;

namespace quorvane {

// The print job for `page`, made on `paper` (the page's size gives its resolution): one
// copy at actual size named `jobName`.
PrintRequest PrintRequestOf(const QImage& page, const Paper& paper, const QString& jobName);

// Prints `request` on `printerName`. Returns false, after telling the user why, when the printer
// has gone away, cannot take the paper, or the spooler refuses the job.
bool PrintResult(QWidget* parent, const QString& printerName, const PrintRequest& request);

} // namespace quorvane
