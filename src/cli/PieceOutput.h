#pragma once

// The outputs of a page made for a paper of several sheets: a PDF of the assembly sheet
// followed by every printed sheet, or one picture per printed sheet named after it.

#include <QImage>
#include <QString>

#include "core/designer/CameraSetup.h"
#include "core/shell/Paper.h"

namespace quorvane::cli {

// "page-C1-R2.png" for sheet (0, 1) of "page.png".
QString SheetFileName(const QString& output, int column, int row);

// Cuts the assembled page of `setup.paper` into its sheets and writes them to `output`
// (a .pdf, or a picture name that each sheet's file name is made from). Returns the exit
// status, with the reason on stderr when a sheet cannot be written.
int WritePieceSheets(const QImage& page, int32_t PageDpi, const CameraSetup& setup, const QString& output);

} // namespace quorvane::cli
