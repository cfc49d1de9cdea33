#include <QApplication>

#include "app/shell/Application.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return quorvane::RunDesktopProgram(app);
}
