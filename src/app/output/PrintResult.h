#pragma once

// Printing the page: one sheet, the image as large as the printable area allows, its
// shape kept.

#include "core/shell/Paper.h"

class QImage;
class QPrinterInfo;
class QString;

namespace quorvane {

// Prints `page` on `printer` (the system's default printer when it is null) as one
// page named `jobName`: landscape for the paper standing upright, portrait otherwise, the image
// scaled alike in both directions to the largest size the printable area holds, centred.
// Returns false when the printer could not be started or the job could not be handed over.
bool PrintResult(const QImage& page, const Paper& paper, const QPrinterInfo& printer, const QString& jobName);

} // namespace quorvane
