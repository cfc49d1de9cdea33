#include "app/shell/Application.h"

#include <QApplication>

namespace quorvane {

int RunDesktopProgram(QApplication& app)
{
    return app.exec();
}

} // namespace quorvane
