#pragma once

#include "core/shell/DocumentState.h"

class QWidget;

namespace quorvane {

// The Generate command: runs the driver of the document's page style (nothing for a
// style that selects none). The main window is hidden while the progress dialog shows;
// at the end the result viewer opens, or after Stop the main window is back. When the
// canvas cannot be read, "DIB ERROR" is shown, the dialog closes and the main window
// comes back.
void RunGenerate(DocumentState& doc, QWidget* mainWindow);

} // namespace quorvane
