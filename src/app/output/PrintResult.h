#pragma once

// Printing the viewer's page: the request for its paper, and handing it to the spooler with
// any failure reported to the user.

#include <optional>

#include "core/designer/CameraSetup.h"
#include "core/shell/Paper.h"
#include "print/PrintJob.h"

class QImage;
class QString;
class QWidget;

namespace quorvane {

// The print job for `page`, made on `paper` (the page's size gives its resolution): one
// copy at actual size named `jobName`. For a grid of sheets: the assembly sheet with
// `setup`'s figures, then every sheet that has something on it.
PrintRequest PrintRequestOf(const QImage& page, const Paper& paper, const QString& jobName,
                            const std::optional<CameraSetup>& setup = std::nullopt);

// Prints `request` on `printerName`. Returns false, after telling the user why, when the printer
// has gone away, cannot take the paper, or the spooler refuses the job.
bool PrintResult(QWidget* parent, const QString& printerName, const PrintRequest& request);

} // namespace quorvane
