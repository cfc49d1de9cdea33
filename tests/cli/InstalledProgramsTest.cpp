// The programs run without any display, from the build tree and from a tree installed by
// `cmake --install` into a temporary DESTDIR.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/RunProgram.h"

namespace {

ProgramRun RunHeadless(const QString& program, const QStringList& arguments, const QString& destDir = {})
{
    return RunProgram(program, arguments,
                      EnvironmentWith({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DESTDIR=" + destDir}));
}

} // namespace

TEST(ProgramOptions, HelpVersionAndUnknownOptionNeedNoDisplay)
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
        {"share/man/man1/quorvane.1", {"groff", "-man", "-ww", "-z"}},
        {"share/man/man1/quorvane-cli.1", {"groff", "-man", "-ww", "-z"}},
    };
    for (const auto& [path, command] : checks) {
        const ProgramRun run = RunHeadless(command[0], command.mid(1) << usr + path);
        EXPECT_EQ(run.exitCode, 0) << path.toStdString() << ": " << (run.out + run.err).toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << path.toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_TRUE(ReadFileBytes(usr + "share/icons/hicolor/scalable/apps/" + id + ".svg").contains("<svg"));

    // No Object folder beside the installed CLI: the sample comes from share/quorvane/Object/.
    const QString page = root.filePath(QStringLiteral("page.png"));
    const QString reference = root.filePath(QStringLiteral("reference.png"));
    EXPECT_EQ(RunHeadless(usr + "bin/quorvane-cli", {"generate", "--default-paper", "-o", page}).exitCode, 0);
    EXPECT_EQ(RunHeadless(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"),
                          {"generate", "--default-paper", "-o", reference}).exitCode, 0);
    EXPECT_FALSE(ReadFileBytes(page).isEmpty());
    EXPECT_EQ(ReadFileBytes(page), ReadFileBytes(reference));
}
