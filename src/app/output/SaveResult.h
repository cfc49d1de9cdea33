#pragma once

// The result viewer's Save: a save dialog in SaveFolder, then the page written in the
// format its name ends in.

#include <cstdint>
#include <optional>

#include "core/designer/CameraSetup.h"
#include "core/shell/PageResolution.h"

#include <QString>

class QImage;
class QWidget;

namespace quorvane {

struct SavedPage {
    QString path; // the name chosen; empty when nothing was saved
    QString note; // what a grid's save wrote, for the viewer's status line; empty for one sheet
};

// Shows the save dialog (JPG, PNG, GIF, BMP and PDF filters, JPG selected, confirmation
// before an existing file is replaced) in `SaveFolder`. A chosen name moves
// SaveFolder to its folder, which the settings file keeps for the next run, then `page` is
// written at full size, recording PageDpi where the format has a place for it; a name without an ending takes the chosen type's. A name with another
// ending, or a failed write, is reported in an error message. Cancel changes nothing.
// A PDF is a page of `setup`'s paper; before it is written the user is asked whether to add
// the setup sheet (the answer is the next question's preset, kept in the settings file).
// With a grid of sheets on `setup`'s paper the page is saved as its sheets (WritePieceSheets):
// a PDF of the assembly sheet and the sheets without the setup-sheet question, or a picture per
// sheet; the user is asked once before any of the files written replaces one, and a sheet that
// fails is named in the error message.
SavedPage SaveResult(QWidget* viewer, QString& SaveFolder, const QImage& page, int32_t PageDpi = kDefaultPageDpi,
                     const std::optional<CameraSetup>& setup = std::nullopt);

} // namespace quorvane
