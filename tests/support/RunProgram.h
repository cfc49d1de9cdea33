#pragma once

// Runs a program to its end, as a user's shell would.

#include <QProcess>

struct ProgramRun {
    int exitCode = -1; // -1 when the program did not exit normally
    QByteArray out;
    QByteArray err;
};

inline ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    const bool exited = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

inline ProgramRun RunCli(const QStringList& arguments,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    return RunProgram(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"), arguments, env);
}
