#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/services/FileKind.h"
#include "core/services/PageSettings.h"
#include "core/services/RecentFiles.h"
#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"
#include "support/FaultInjection.h"
#include "support/Files.h"
#include "support/OrdinaryFileAccess.h"

using namespace quorvane;

TEST(SettingsStore, ZeroCharactersAndValuesThatAreNotOneText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quorvane.ini"));
    ASSERT_TRUE(WriteFileBytes(path, "[General]\n"
                                     "Trailing=@String(2005-1-1\\0)\n"
                                     "TwoTrailing=@String(ab\\0\\0)\n"
                                     "Leading=@String(\\0z2005-1-1)\n"
                                     "Bytes=@ByteArray(2005-1-1)\n"));
    const SettingsStore store(path);
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Trailing")), QStringLiteral("2005-1-1"));
    EXPECT_EQ(store.ReadSetting(QStringLiteral("TwoTrailing")), QStringLiteral("ab") + QChar(0));
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Leading")), QString());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Bytes")), QString());
}

// A pipe would block the reading, a device be replaced by the writing, a huge file fill
// the memory: each is left alone and reads as if nothing were stored.
TEST(SettingsStore, SpecialAndOversizedFilesAreLeftAloneAndReadAsNothing)
{
    QTemporaryDir dir;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0); // open to OrdinaryFileAccess
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.ini"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.ini"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    QByteArray huge("[General]\nLastCheckUpdate=2020-1-1\n");
    huge += QByteArray(kSettingsFileLimit + 1 - huge.size(), ';');
    ASSERT_TRUE(WriteFileBytes(dir.filePath(QStringLiteral("huge.ini")), huge));
    const std::pair<const char*, FileKind> rows[] = {
        {"pipe.ini", FileKind::Pipe}, {"zero.ini", FileKind::Device}, {"folder.ini", FileKind::Folder},
        {"huge.ini", FileKind::Regular}};
    for (const auto& [name, kind] : rows) {
        SCOPED_TRACE(name);
        SettingsStore store(dir.filePath(QString::fromUtf8(name)));
        QString read;
        bool written = true;
        WithinSeconds(20, [&] {
            OrdinaryFileAccess ordinary;
            read = store.ReadSetting(QString::fromLatin1(kLastCheckUpdate));
            written = store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), QStringLiteral("2026-12-6"));
        });
        EXPECT_EQ(read.toStdString(), "");
        EXPECT_FALSE(written);
        EXPECT_EQ(FactsOf(store.FilePath()).kind, kind);
    }
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("huge.ini"))).size(), huge.size());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 4);
}

// The program's own writes keep the file within the limit, so it is still read, and keep
// its mode.
TEST(SettingsStore, OwnWritesKeepTheFileWithinTheLimitAndItsMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quorvane.ini"));
    const QByteArray head("[General]\nFiller=");
    for (const auto& [bytes, mode] : {std::pair{kSettingsFileLimit - 4, 0644}, {qint64(100), 0444}}) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(WriteFileBytes(path, head + QByteArray(bytes - head.size() - 1, 'x') + "\n"));
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
        SettingsStore store(path);
        store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), QStringLiteral("2026-12-6"));
        EXPECT_LE(QFileInfo(path).size(), kSettingsFileLimit);
        EXPECT_EQ(store.ReadSetting(QStringLiteral("Filler")).size(), bytes - head.size() - 1);
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode_t(mode));
    }
}

TEST(SettingsStore, LinkToAFileIsFollowedAndKept)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("Quorvane.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("kept.ini"), link));
    SettingsStore store(link);
    ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kLastCheckUpdate), QStringLiteral("2026-12-6")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(SettingsStore(dir.filePath(QStringLiteral("kept.ini"))).ReadSetting(QString::fromLatin1(kLastCheckUpdate)),
              QStringLiteral("2026-12-6"));
}

TEST(RememberedFolders, AFolderIsOfferedAgainWhileItExists)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Quorvane.ini")));
    const QString fallback = QStringLiteral("/fallback");
    const QString pictures = dir.filePath(QStringLiteral("pictures"));
    EXPECT_EQ(RememberedFolder(store, kLastOpenFolder, fallback), fallback);
    ASSERT_TRUE(QDir().mkdir(pictures));
    RememberFolder(store, kLastOpenFolder, pictures);
    RememberFolder(store, kLastSaveFolder, QString());
    EXPECT_EQ(RememberedFolder(store, kLastOpenFolder, fallback), pictures);
    EXPECT_EQ(RememberedFolder(store, kLastSaveFolder, fallback), fallback);
    ASSERT_TRUE(QDir(pictures).removeRecursively());
    EXPECT_EQ(RememberedFolder(store, kLastOpenFolder, fallback), fallback);
}

// The stored text as it reads back: only the three resolutions, written exactly, count.
TEST(PageDpiSetting, StoredTextReadsAsAResolutionOr144)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Quorvane.ini")));
    EXPECT_EQ(ReadPageDpiSetting(store), 144); // nothing stored yet
    const std::pair<const char*, int32_t> rows[] = {
        {"300", 300}, {"600", 600}, {"144", 144}, {"72", 144}, {"0600", 144},
        {" 300", 144}, {"600dpi", 144}, {"", 144}, {"9999999999999", 144}};
    for (const auto& [text, read] : rows) {
        ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kPageDpi), QString::fromLatin1(text)));
        EXPECT_EQ(ReadPageDpiSetting(store), read) << text;
    }
    EXPECT_FALSE(WritePageDpiSetting(store, 200)); // not a page resolution: nothing written
    EXPECT_TRUE(WritePageDpiSetting(store, 600));
    EXPECT_EQ(ReadPageDpiSetting(store), 600);
}

// Open Recent keeps the newest ten, each once, and forgets a file that is gone, one whose
// path is no longer a file, and a damaged value.
TEST(RecentFiles, NewestTenEachOnceWithoutVanishedFiles)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Quorvane.ini")));
    QStringList made; // oldest first; names with a comma, a quote and a space
    for (int i = 0; i < 12; ++i) {
        made.append(dir.filePath(QStringLiteral("cup, \"%1\" .png").arg(i)));
        ASSERT_TRUE(WriteFileBytes(made.back(), "x"));
        ASSERT_TRUE(AddRecentFile(store, made.back()));
    }
    QStringList newest;
    for (int i = 11; i >= 2; --i)
        newest.append(made[i]);
    EXPECT_EQ(RecentFiles(store), newest);

    ASSERT_TRUE(AddRecentFile(store, made[5])); // again: first, and only once
    newest.removeAll(made[5]);
    newest.prepend(made[5]);
    EXPECT_EQ(RecentFiles(SettingsStore(store.FilePath())), newest);

    ASSERT_TRUE(QFile::remove(made[11]));
    ASSERT_TRUE(QFile::remove(made[9]) && QDir().mkdir(made[9]));
    newest.removeAll(made[11]);
    newest.removeAll(made[9]);
    EXPECT_EQ(RecentFiles(store), newest);
    ASSERT_TRUE(AddRecentFile(store, made[0])); // the vanished ones leave room for an older file
    EXPECT_EQ(RecentFiles(store).size(), 9);

    ASSERT_TRUE(store.WriteSetting(QString::fromLatin1(kRecentFiles), QStringLiteral("[\"%1\"").arg(made[0])));
    EXPECT_TRUE(RecentFiles(store).isEmpty());
}
