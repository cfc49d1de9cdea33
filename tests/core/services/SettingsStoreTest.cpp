#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/services/RememberedFolders.h"
#include "core/services/SettingsStore.h"

using namespace quorvane;

TEST(SettingsStore, DefaultStoreIsTheIniFileInTheUsersConfigFolder)
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty());
    EXPECT_EQ(SettingsStore().FilePath(), configHome + QStringLiteral("/Tarnwick/Quorvane.ini"));
}

TEST(SettingsStore, ZeroCharactersAndValuesThatAreNotOneText)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Quorvane.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\n"
               "Trailing=@String(2005-1-1\\0)\n"
               "TwoTrailing=@String(ab\\0\\0)\n"
               "Leading=@String(\\0z2005-1-1)\n"
               "List=a, b\n"
               "Bytes=@ByteArray(2005-1-1)\n");
    file.close();
    const SettingsStore store(file.fileName());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Trailing")), QStringLiteral("2005-1-1"));
    EXPECT_EQ(store.ReadSetting(QStringLiteral("TwoTrailing")), QStringLiteral("ab") + QChar(0));
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Leading")), QString());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("List")), QString());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Bytes")), QString());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("Missing")), QString());
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
