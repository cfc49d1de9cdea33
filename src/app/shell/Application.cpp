#include "app/shell/Application.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/common/FileDialogState.h"
#include "app/services/UpdatePrompt.h"
#include "app/shell/FormMain.h"
#include "core/shell/Document.h"
#include "core/shell/LayoutFile.h"

namespace quorvane {

int RunDesktopProgram(QApplication& app, const QString& picture)
{
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnwick.quorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/example.tarnwick.quorvane.png")));
    KeepFileDialogStateForThisRun();
    FormMain mainWindow;
    mainWindow.show();
    QTimer::singleShot(0, &mainWindow, [&mainWindow, picture] { FinishStartUp(mainWindow, picture); });
    return app.exec();
}

void FinishStartUp(FormMain& mainWindow, const QString& picture)
{
    // A failure is reported; the sample stays.
    if (picture.endsWith(QLatin1String(kLayoutEnding), Qt::CaseInsensitive))
        mainWindow.OpenLayout(picture);
    else if (!picture.isEmpty())
        mainWindow.OpenPicture(picture);
    mainWindow.History().Stack().clear(); // the picture to start with is no step to undo
    UpdatePrompt(&mainWindow);
}

} // namespace quorvane
