#pragma once

// Printing the page: one sheet, the whole image stretched over the printable area.

class QImage;
class QPrinterInfo;

namespace quorvane {

// Prints `page` on `printer` (the system's default printer when it is null) as one
// page: landscape for the upright style 4.2, portrait otherwise, the image stretched
// over the whole printable area without keeping its aspect ratio. Returns false when
// the printer could not be started or the job could not be handed over.
bool PrintResult(const QImage& page, double PageStyle, const QPrinterInfo& printer);

} // namespace quorvane
