#include "app/shell/Application.h"

#include <QApplication>
#include <QTimer>

#include "app/services/UpdatePrompt.h"
#include "app/shell/FormMain.h"
#include "core/shell/Document.h"

namespace quorvane {

int RunDesktopProgram(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    Document doc;
    FormMain mainWindow(doc);
    mainWindow.show();
    // The last step of start-up, once the main window is on the screen.
    QTimer::singleShot(0, &mainWindow, [&mainWindow] { UpdatePrompt(&mainWindow); });
    return app.exec();
}

} // namespace quorvane
