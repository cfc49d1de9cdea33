#include "app/shell/Application.h"

#include <QApplication>

#include "app/shell/FormMain.h"
#include "core/shell/DocumentState.h"

namespace quorvane {

int RunDesktopProgram(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    DocumentState doc;
    FormMain mainWindow(doc);
    mainWindow.show();
    return app.exec();
}

} // namespace quorvane
