#pragma once

// quorvane-cli run as a program from the build tree.

#include <QProcess>
#include <QString>
#include <QStringList>

struct CliOutcome {
    int exitCode = -1; // -1 when it crashed or did not finish
    QString stderrText;
};

inline CliOutcome RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}
