#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/services/SettingsStore.h"

using namespace quorvane;

namespace {

const QString kName = QString::fromLatin1(kLastCheckUpdate);

void WriteRawFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadRawFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsStoreTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("Tarnwick/Quorvane.ini"));
    SettingsStore store_{path_};
};

} // namespace

TEST(SettingsStoreLocation, DefaultStoreIsTheIniFileInTheUsersConfigFolder)
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty());
    EXPECT_EQ(SettingsStore().FilePath(), configHome + QStringLiteral("/Tarnwick/Quorvane.ini"));
}

TEST_F(SettingsStoreTest, MissingFileReadsEmptyAndAWriteCreatesFolderAndFile)
{
    EXPECT_EQ(store_.ReadSetting(kName), QString());
    ASSERT_TRUE(store_.WriteSetting(kName, QStringLiteral("2026-12-6")));
    EXPECT_TRUE(ReadRawFile(path_).contains("LastCheckUpdate=2026-12-6"));
    EXPECT_EQ(SettingsStore(path_).ReadSetting(kName), QStringLiteral("2026-12-6"));
}

TEST_F(SettingsStoreTest, ZeroCharactersAtEitherEnd)
{
    store_.WriteSetting(kName, QStringLiteral("2026-1-2") + QChar(0));
    EXPECT_EQ(store_.ReadSetting(kName), QStringLiteral("2026-1-2"));

    // Only one terminating zero is dropped.
    store_.WriteSetting(kName, QStringLiteral("ab") + QChar(0) + QChar(0));
    EXPECT_EQ(store_.ReadSetting(kName), QStringLiteral("ab") + QChar(0));

    store_.WriteSetting(kName, QChar(0) + QStringLiteral("2026-1-2"));
    EXPECT_EQ(store_.ReadSetting(kName), QString());
}

TEST_F(SettingsStoreTest, HandWrittenFileWithZerosAndOtherTypes)
{
    WriteRawFile(path_, "[General]\n"
                        "LastCheckUpdate=@String(2005-1-1\\0)\n"
                        "List=a, b\n"
                        "Empty=\n"
                        "Bytes=@ByteArray(2005-1-1)\n");
    EXPECT_EQ(store_.ReadSetting(kName), QStringLiteral("2005-1-1"));
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("List")), QString());
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Empty")), QString());
    EXPECT_EQ(store_.ReadSetting(QStringLiteral("Bytes")), QString());
}

TEST_F(SettingsStoreTest, UnwritableFolderFailsQuietlyAndLeavesNothingBehind)
{
    // A plain file where the folder should be: the store cannot create its folder,
    // whatever the user's rights.
    WriteRawFile(dir_.filePath(QStringLiteral("Tarnwick")), "not a folder");
    EXPECT_FALSE(store_.WriteSetting(kName, QStringLiteral("2026-12-6")));
    EXPECT_EQ(SettingsStore(path_).ReadSetting(kName), QString());
}
