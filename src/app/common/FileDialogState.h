#pragma once

namespace quorvane {

// Qt's own file dialogs remember their recent folders and view in Qt's settings file shared
// by every Qt program (QtProject.conf in the user's configuration folder). The program keeps
// one settings file of its own, so after this call that state lives in a temporary folder
// for the run and is removed at exit. Call before the first file dialog.
void KeepFileDialogStateForThisRun();

} // namespace quorvane
