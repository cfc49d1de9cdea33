#pragma once

#include <QString>

#include "core/generation/GenControl.h"
#include "core/shell/CanvasPaper.h"

class QWidget;

namespace quorvane {

// The Generate command: runs the driver of the document's page style (nothing for a
// style that selects none). The main window is hidden while the progress dialog shows;
// at the end the result viewer opens, or after Stop the main window is back. When the
// canvas cannot be read, "DIB ERROR" is shown, the dialog closes and the main window
// comes back. The viewer's Save starts in SaveFolder and moves it to the folder saved in;
// `control` must outlive the progress dialog. With `pageMarks` the made page gets its fold
// ticks and scale bar (DrawPageMarks) before the viewer shows it, unless the paper is a grid
// of sheets, whose sheets carry their own marks. A page too large at the document's
// resolution is refused with an error naming the largest that fits, before anything is made.
void RunGenerate(const Document& doc, const CanvasPaper& paper, GenControl& control, QString& SaveFolder,
                 QWidget* mainWindow, bool pageMarks = false);

} // namespace quorvane
