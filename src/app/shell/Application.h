#pragma once

class QApplication;
class QString;

namespace quorvane {

class FormMain;

// Creates the main window with the program's one document state and runs the event loop.
// A `picture` other than "" is opened once the window is on the screen.
int RunDesktopProgram(QApplication& app, const QString& picture);

// The last steps of start-up, once the main window is on the screen: opens `picture`
// (unless "") as Open does, or as Open Layout does when it ends in ".quorvane", then asks
// the update question when it is due.
void FinishStartUp(FormMain& mainWindow, const QString& picture);

} // namespace quorvane
