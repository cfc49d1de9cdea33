#pragma once

class QApplication;

namespace quorvane {

// Creates the main window with the program's one document state and runs the event loop.
int RunDesktopProgram(QApplication& app);

} // namespace quorvane
