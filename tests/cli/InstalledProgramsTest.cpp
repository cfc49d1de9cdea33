// The installed tree: `cmake --install` into a temporary DESTDIR, then the installed
// programs and files are run and checked from there alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program without any display, so nothing it does may need one.
Outcome RunHeadless(const QString& program, const QStringList& arguments, const QString& destDir = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    if (!destDir.isEmpty())
        env.insert(QStringLiteral("DESTDIR"), destDir);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, process.errorString().toUtf8() + process.readAllStandardError()};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

struct InstalledTree : testing::Test {
    static void SetUpTestSuite()
    {
        root = new QTemporaryDir;
        const Outcome install = RunHeadless(QStringLiteral(QUORVANE_CMAKE),
                                        {"--install", QUORVANE_BUILD_DIR, "--prefix", "/usr"}, root->path());
        ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();
    }
    static void TearDownTestSuite() { delete root; }

    static QString Installed(const QString& path) { return root->filePath(QStringLiteral("usr/") + path); }

    static inline QTemporaryDir* root = nullptr;
};

} // namespace

TEST_F(InstalledTree, FilesPassTheirValidators)
{
    const QString id = QStringLiteral("example.tarnwick.quorvane");
    const QList<std::pair<QString, QStringList>> checks{
        {"share/applications/" + id + ".desktop", {"desktop-file-validate"}},
        {"share/metainfo/" + id + ".metainfo.xml", {"appstreamcli", "validate", "--no-net"}},
        {"share/man/man1/quorvane.1", {"groff", "-man", "-ww", "-z"}},
        {"share/man/man1/quorvane-cli.1", {"groff", "-man", "-ww", "-z"}},
    };
    for (const auto& [path, command] : checks) {
        ASSERT_TRUE(QFile::exists(Installed(path))) << path.toStdString();
        const Outcome run = RunHeadless(command[0], command.mid(1) << Installed(path));
        EXPECT_EQ(run.exitCode, 0) << path.toStdString() << ": " << (run.out + run.err).toStdString();
        if (command[0] != QStringLiteral("appstreamcli")) { // it reports success on stdout
            EXPECT_EQ(run.out + run.err, QByteArray()) << path.toStdString();
        }
    }
    QFile icon(Installed("share/icons/hicolor/scalable/apps/" + id + ".svg"));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    EXPECT_TRUE(icon.readAll().contains("<svg"));
}

// The installed CLI finds the sample picture in the installed data folder: its page is the
// build tree's page, byte for byte.
TEST_F(InstalledTree, CliMakesTheSamplePageFromTheInstalledData)
{
    const QString page = root->filePath(QStringLiteral("page.png"));
    const QString reference = root->filePath(QStringLiteral("reference.png"));
    ASSERT_FALSE(QDir(Installed("bin/Object")).exists());
    const Outcome installed = RunHeadless(Installed("bin/quorvane-cli"), {"generate", "--default-paper", "-o", page});
    ASSERT_EQ(installed.exitCode, 0) << installed.err.toStdString();
    const Outcome built = RunHeadless(QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli"),
                                  {"generate", "--default-paper", "-o", reference});
    ASSERT_EQ(built.exitCode, 0) << built.err.toStdString();
    QFile a(page);
    QFile b(reference);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(InstalledTree, HelpVersionAndUnknownOptionNeedNoDisplay)
{
    for (const QString program : {"quorvane", "quorvane-cli"}) {
        const QString path = Installed("bin/" + program);
        const Outcome help = RunHeadless(path, {"--help"});
        EXPECT_EQ(help.exitCode, 0) << program.toStdString() << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith("Usage")) << help.out.toStdString();

        const Outcome version = RunHeadless(path, {"--version"});
        EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
        EXPECT_EQ(version.out, (program + " " QUORVANE_VERSION "\n").toUtf8());

        const Outcome unknown = RunHeadless(path, {"--frobnicate"});
        EXPECT_EQ(unknown.exitCode, 1) << program.toStdString();
        EXPECT_TRUE(unknown.out.isEmpty());
        EXPECT_TRUE(unknown.err.contains("unknown option '--frobnicate'")) << unknown.err.toStdString();
        EXPECT_TRUE(unknown.err.contains("Usage")) << unknown.err.toStdString();
    }
}
