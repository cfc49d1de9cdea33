#pragma once

// Runs a program to its end, as a user's shell would.

#include <QProcess>

#include "support/FaultInjection.h"
#include "support/Files.h"

struct ProgramRun {
    int exitCode = -1; // -1 when the program did not exit normally
    QByteArray out;
    QByteArray err;
};

// `fileSizeLimit`, when set, bounds the files the program writes, as a full disk would;
// `memoryLimit` its memory.
inline ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                             const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                             rlim_t fileSizeLimit = 0, rlim_t memoryLimit = 0)
{
    QProcess process;
    process.setProcessEnvironment(env);
    LimitProgram(process, fileSizeLimit, memoryLimit);
    process.start(program, arguments);
    const bool exited = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

inline ProgramRun RunCli(const QStringList& arguments,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         rlim_t fileSizeLimit = 0, rlim_t memoryLimit = 0)
{
    return RunProgram(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"), arguments, env, fileSizeLimit, memoryLimit);
}

// The system environment with `changes` made: "NAME=value" sets, "NAME" removes.
inline QProcessEnvironment EnvironmentWith(const QStringList& changes)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& change : changes) {
        const qsizetype eq = change.indexOf(QLatin1Char('='));
        if (eq < 0)
            env.remove(change);
        else
            env.insert(change.left(eq), change.mid(eq + 1));
    }
    return env;
}
