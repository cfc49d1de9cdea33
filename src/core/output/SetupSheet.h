#pragma once

// The setup sheet: a page that tells the user where the camera goes. A plan and a side view
// of the paper with the camera and its line of sight, the setup figures in centimetres, and
// a 10 cm bar to check that the pages were printed at actual size.

#include <QSizeF>

#include "core/designer/CameraSetup.h"
#include "core/output/PagePdf.h"

class QPainter;

namespace quorvane {

// The bar's length as printed.
inline constexpr double kCheckBarMm = 100.0;

// Paints the sheet on a page of `pageMm`: the painter's units are millimetres from the page's
// top-left corner, so the bar measures 10 cm on any device drawn at actual size (a PDF, a
// printer, an image at a known resolution). Needs a page of at least 150 x 150 mm.
void PaintSetupSheet(QPainter& painter, const QSizeF& pageMm, const CameraSetup& setup);

// The sheet on an upright page of the setup's paper format, for a PDF.
PdfPage SetupSheetPage(const CameraSetup& setup);

} // namespace quorvane
