// The programs run without any display, from the build tree and from a tree installed by
// `cmake --install` into a temporary DESTDIR.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/RunProgram.h"

namespace {

ProgramRun RunHeadless(const QString& program, const QStringList& arguments, const QString& destDir = {})
{
    return RunProgram(program, arguments,
                      EnvironmentWith({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DESTDIR=" + destDir}));
}

} // namespace

TEST(ProgramOptions, AnswersThatNeedNoDisplay)
{
    for (const QString program : {"quorvane", "quorvane-cli"}) {
        const QString path = QStringLiteral(QUORVANE_BIN_DIR "/") + program;
        const ProgramRun help = RunHeadless(path, {"--help"});
        EXPECT_TRUE(help.exitCode == 0 && help.out.startsWith("Usage")) << help.err.toStdString();
        const ProgramRun version = RunHeadless(path, {"--version"});
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, (program + " " QUORVANE_VERSION "\n").toUtf8());
        const ProgramRun unknown = RunHeadless(path, {"--frobnicate"});
        EXPECT_EQ(unknown.exitCode, 1);
        EXPECT_TRUE(unknown.out.isEmpty() && unknown.err.contains("unknown option '--frobnicate'")
                    && unknown.err.contains("Usage")) << unknown.err.toStdString();
    }
    // Without a display (none, or a local one whose server is gone) the desktop program says so.
    for (const QString display : {"DISPLAY", "DISPLAY=:77"}) {
        const ProgramRun run = RunProgram(QStringLiteral(QUORVANE_BIN_DIR "/quorvane"), {},
                                          EnvironmentWith({display, "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}));
        EXPECT_EQ(run.exitCode, 1) << display.toStdString();
        EXPECT_EQ(run.err, "No display: the desktop program needs one; quorvane-cli makes pages without one.\n");
    }
    // A command's --help names that command's usage only.
    const ProgramRun corners = RunHeadless(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"), {"corners", "--help"});
    EXPECT_TRUE(corners.exitCode == 0 && corners.out.contains("quorvane-cli corners [--style S]")
                && !corners.out.contains("reproject")) << corners.out.toStdString();
}

TEST(InstalledTree, FilesPassTheirValidatorsAndTheCliUsesTheInstalledData)
{
    QTemporaryDir root;
    const QString usr = root.filePath(QStringLiteral("usr/"));
    const ProgramRun install = RunHeadless(QStringLiteral(QUORVANE_CMAKE),
                                        {"--install", QUORVANE_BUILD_DIR, "--prefix", "/usr"}, root.path());
    ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();

    const QString id = QStringLiteral("example.tarnwick.quorvane");
    const QList<std::pair<QString, QStringList>> checks{
        {"share/applications/" + id + ".desktop", {"desktop-file-validate"}},
        {"share/metainfo/" + id + ".metainfo.xml", {"appstreamcli", "validate", "--no-net"}},
        {"share/man/man1/quorvane.1.gz", {"sh", "-c", "zcat \"$0\" | groff -man -ww -z"}},
        {"share/man/man1/quorvane-cli.1.gz", {"sh", "-c", "zcat \"$0\" | groff -man -ww -z"}},
    };
    for (const auto& [path, command] : checks) {
        const ProgramRun run = RunHeadless(command[0], command.mid(1) << usr + path);
        EXPECT_EQ(run.exitCode, 0) << path.toStdString() << ": " << (run.out + run.err).toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << path.toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_TRUE(ReadFileBytes(usr + "share/icons/hicolor/scalable/apps/" + id + ".svg").contains("<svg"));
    EXPECT_TRUE(ReadFileBytes(usr + "share/quorvane/help/guide.html").contains("Setting up the illusion"));
    // The layout files' type, as the desktop's MIME database builds it.
    EXPECT_EQ(RunHeadless(QStringLiteral("update-mime-database"), {usr + "share/mime"}).exitCode, 0);
    EXPECT_TRUE(ReadFileBytes(usr + "share/mime/globs2").contains("application/x-quorvane-layout:*.quorvane"));

    // No Object folder beside the installed CLI: the sample comes from share/quorvane/Object/.
    const QString page = root.filePath(QStringLiteral("page.png"));
    const QString reference = root.filePath(QStringLiteral("reference.png"));
    EXPECT_EQ(RunHeadless(usr + "bin/quorvane-cli", {"generate", "--default-paper", "-o", page}).exitCode, 0);
    EXPECT_EQ(RunHeadless(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"),
                          {"generate", "--default-paper", "-o", reference}).exitCode, 0);
    EXPECT_FALSE(ReadFileBytes(page).isEmpty());
    EXPECT_EQ(ReadFileBytes(page), ReadFileBytes(reference));
}

// The package `make deb` makes: no lintian errors, every file owned by root with the usual
// modes, apt would install it here, and the programs it holds run.
TEST(DebianPackage, PassesLintianInstallsAndItsProgramsRun)
{
    QTemporaryDir dir;
    const QString cpack = QFileInfo(QStringLiteral(QUORVANE_CMAKE)).dir().filePath(QStringLiteral("cpack"));
    const ProgramRun pack = RunHeadless(cpack, {"-G", "DEB", "--config", QUORVANE_BUILD_DIR "/CPackConfig.cmake",
                                                "-B", dir.path()});
    ASSERT_EQ(pack.exitCode, 0) << (pack.out + pack.err).toStdString();
    const QStringList debs = QDir(dir.path()).entryList({QStringLiteral("quorvane_*.deb")});
    ASSERT_EQ(debs.size(), 1);
    const QString deb = dir.filePath(debs[0]);

    const ProgramRun lint = RunHeadless(QStringLiteral("lintian"), {"--fail-on", "error", deb});
    EXPECT_EQ(lint.exitCode, 0) << (lint.out + lint.err).toStdString();
    const ProgramRun apt = RunHeadless(QStringLiteral("apt-get"), {"install", "--simulate", deb});
    EXPECT_EQ(apt.exitCode, 0) << (apt.out + apt.err).toStdString();
    for (const QByteArray& line : RunHeadless(QStringLiteral("dpkg-deb"), {"--contents", deb}).out.trimmed().split('\n')) {
        const bool usual = line.startsWith("drwxr-xr-x root/root") || line.startsWith("-rw-r--r-- root/root")
            || (line.contains("./usr/bin/") && line.startsWith("-rwxr-xr-x root/root"));
        EXPECT_TRUE(usual) << line.toStdString();
    }

    const QString root = dir.filePath(QStringLiteral("root"));
    ASSERT_EQ(RunHeadless(QStringLiteral("dpkg-deb"), {"-x", deb, root}).exitCode, 0);
    for (const QString program : {"quorvane", "quorvane-cli"}) {
        const ProgramRun version = RunHeadless(root + "/usr/bin/" + program, {"--version"});
        EXPECT_EQ(version.out, (program + " " QUORVANE_VERSION "\n").toUtf8()) << version.err.toStdString();
    }
}
