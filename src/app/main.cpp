#include <iostream>

#include <QApplication>

#include "app/shell/Application.h"
#include "app/shell/CommandLine.h"

int main(int argc, char** argv)
{
    // Read before the application object: --help and --version need no display.
    const quorvane::CommandLine line = quorvane::ReadCommandLine(argc, argv);
    if (line.action != quorvane::CommandLine::Action::Run)
        return quorvane::AnswerCommandLine(line, std::cout, std::cerr);
    if (!quorvane::DisplayReachable(line))
        return quorvane::AnswerNoDisplay(std::cerr);
    QApplication app(argc, argv);
    return quorvane::RunDesktopProgram(app, line.picture);
}
