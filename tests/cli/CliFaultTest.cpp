// quorvane-cli against a full disk, special files, damaged names and a broken display.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "support/RunProgram.h"

namespace {

QString DrawSource(const QTemporaryDir& dir)
{
    QImage source(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x, y, (x * y) % 256));
    const QString path = dir.filePath(QStringLiteral("source.png"));
    source.save(path);
    return path;
}

// Each output is first written freely to learn its size, then over an earlier file
// with half that size allowed: the write fails part-way, as on a full disk. (Every
// format's writer meets the same fault in the writer's own test.)
TEST(CliFaults, WriteFailingPartWayKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString source = DrawSource(dir);
    const QString quad = QStringLiteral("--quad=10,5,190,20,180,140,5,130");
    int tried = 0;
    for (const char* name : {"page.png", "page.gif", "moved.bmp"}) {
        SCOPED_TRACE(name);
        const QString output = dir.filePath(QString::fromUtf8(name));
        const QStringList arguments = QByteArray(name).startsWith("page")
            ? QStringList{"generate", "--default-paper", "-o", output}
            : QStringList{"reproject", source, output, quad};
        ASSERT_EQ(RunCli(arguments).exitCode, 0);
        const qint64 needed = QFileInfo(output).size();
        ASSERT_TRUE(WriteFileBytes(output, "earlier save"));
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        const ProgramRun run = RunCli(arguments, QProcessEnvironment::systemEnvironment(), rlim_t(needed / 2));
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_TRUE(run.err.contains(output.toUtf8()) && run.err.contains("File too large")) << run.err.toStdString();
        for (const QByteArray& line : run.err.trimmed().split('\n')) // its own message only, no encoder's
            EXPECT_TRUE(line.startsWith("quorvane-cli: ")) << line.toStdString();
        EXPECT_EQ(ReadFileBytes(output), QByteArray("earlier save"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
        ++tried;
    }
    EXPECT_EQ(tried, 3);
}

// Pipes and devices are neither opened (a pipe would block) nor replaced; names the
// toolkit cannot reach and unsupported endings are refused before any work.
TEST(CliFaults, SpecialFilesAndBadNamesAreRefusedQuicklyAndLeftAlone)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("null.png"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const QString source = DrawSource(dir);
    const struct {
        QStringList arguments;
        int exitCode;
        QString reason;
    } rows[] = {
        {{"generate", "--default-paper", "-o", pipe}, 3, "it is a pipe, not a file"},
        {{"generate", "--default-paper", "-o", dir.filePath("null.png")}, 3, "it is a device, not a file"},
        {{"generate", "--default-paper", "--picture", pipe, "-o", page}, 2, "it is a pipe, not a file"},
        {{"generate", "--default-paper", "--picture", dir.filePath("folder.png"), "-o", page}, 2, "it is a folder"},
        {{"reproject", pipe, page, "--quad=0,0,9,0,9,9,0,9"}, 2, "it is a pipe, not a file"},
        {{"reproject", source, dir.filePath("folder.png"), "--quad=0,0,9,0,9,9,0,9"}, 3, "it is a folder"},
        {{"generate", "--default-paper", "--picture", pipe, "-o", dir.filePath("page.tga")}, 1, ".jpg, .png"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ProgramRun run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.err.contains(row.reason.toUtf8())) << run.err.toStdString();
    }
    struct stat st {};
    EXPECT_TRUE(stat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
    EXPECT_FALSE(QFile::exists(page));
}

// A name in another encoding than UTF-8 can only be passed as raw bytes, through a shell.
TEST(CliFaults, NamesThatAreNotUtf8SaySo)
{
    QTemporaryDir dir;
    const QString cli = QStringLiteral(QUORVANE_BIN_DIR "/quorvane-cli");
    for (const auto& [script, exitCode] :
         {std::pair{"\"$0\" generate --default-paper --picture \"$1/$(printf 'caf\\351.png')\" -o \"$1/p.png\"", 2},
          {"\"$0\" generate --default-paper -o \"$1/$(printf 'caf\\351.png')\"", 3}}) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(script), cli, dir.path()});
        ASSERT_TRUE(shell.waitForFinished(30000));
        EXPECT_EQ(shell.exitCode(), exitCode) << script;
        EXPECT_TRUE(shell.readAllStandardError().contains("is not valid UTF-8")) << script;
    }
}

// A stale forwarded display, an unknown platform or no runtime folder change nothing:
// the same page, and nothing on standard error but the program's own messages.
TEST(CliEnvironment, RendersOffScreenWhateverTheEnvironmentSays)
{
    QTemporaryDir dir;
    const QStringList generate{"generate", "--style", "4.2", "--angle=-30", "-o"};
    const QString reference = dir.filePath(QStringLiteral("reference.png"));
    const ProgramRun plain = RunCli(generate + QStringList{reference});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    const QStringList environments[] = {{"DISPLAY=:77"}, {"QT_QPA_PLATFORM=nosuchplatform"}, {"WAYLAND_DISPLAY=wayland-77"},
                                        {"XDG_RUNTIME_DIR", "DISPLAY", "QT_QPA_PLATFORM"}};
    int tried = 0;
    for (const QStringList& env : environments) {
        SCOPED_TRACE(env.join(' ').toStdString());
        const QString page = dir.filePath(QStringLiteral("page-%1.png").arg(++tried));
        const ProgramRun run = RunCli(generate + QStringList{page}, EnvironmentWith(env));
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err.toStdString(), "");
        EXPECT_EQ(ReadFileBytes(page), ReadFileBytes(reference));
    }
}

} // namespace
