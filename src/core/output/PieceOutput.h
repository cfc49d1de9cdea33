#pragma once

// The outputs of a page made for a paper of several sheets: a PDF of the assembly sheet
// followed by every printed sheet, or one picture per printed sheet named after it. Which
// sheets are printed is found once; each sheet is cut from the page only when it is written
// or printed, so that the sheets are never held all at once beside the page.

#include <cstdint>
#include <optional>
#include <vector>

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "core/output/ResultWriter.h"
#include "core/output/SheetCut.h"
#include "core/shell/Paper.h"

class QPainter;

namespace quorvane {

// The assembled page's sheets at the resolution it was made at.
struct PieceSheets {
    Paper paper;
    int32_t PageDpi = 0;
    GridOnPage grid;
    std::vector<GridSheet> printed; // something on them, in the order they are printed
    std::vector<GridSheet> skipped; // nothing on them
};

// No value when `page` is not the assembled page of `paper`'s grid at PageDpi.
std::optional<PieceSheets> PieceSheetsOf(const QImage& page, const Paper& paper, int32_t PageDpi);

// A printed sheet of the page with its marks; a null image when it cannot be made.
QImage PrintedSheet(const QImage& page, const PieceSheets& piece, const GridSheet& sheet);

// The assembly sheet on a page of `pageMm` (the painter measures millimetres from its corner),
// with `setupLine`, the camera's setup figures, below it.
void PaintAssemblyPage(QPainter& painter, const QSizeF& pageMm, const PieceSheets& piece, const QString& setupLine);

// The files the printed sheets are written to for a picture name `output`, in order.
QStringList SheetFileNames(const PieceSheets& piece, const QString& output);

// Writes the printed sheets to `output`: a .pdf of the assembly sheet (on an upright page of
// the format) then every sheet on a page of the format's size; for a picture name, every sheet
// to its own file (SheetFileNames), each replaced only when complete. When a sheet's file
// fails, the message names that sheet and says how many were saved before it.
WriteResult WritePieceSheets(const QImage& page, const PieceSheets& piece, const QString& setupLine,
                             const QString& output);

} // namespace quorvane
