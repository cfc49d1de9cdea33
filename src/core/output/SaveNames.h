#pragma once

// How the name chosen in the save dialog decides the saved page's format, the names of a
// grid's sheet files and the folder the next save dialog opens in.

#include <optional>

#include <QString>

namespace quorvane {

enum class PageFileFormat { Jpg, Png, Gif, Bmp, Pdf };

// The format named by the name's ending, in any letter case: ".jpg" or ".jpeg", ".png",
// ".gif", ".bmp" or ".pdf". Any other ending (".tif", none) names no format.
std::optional<PageFileFormat> FormatOfFileName(const QString& fileName);

// The file of sheet (column, row), counted from 0, of a page saved as `fileName`: the sheet's
// label before the ending, "page-C1-R2.png" for sheet (0, 1) of "page.png".
QString SheetFileName(const QString& fileName, int column, int row);

// The name up to and including its last "/"; empty when it has none.
QString FolderOfFileName(const QString& fileName);

} // namespace quorvane
