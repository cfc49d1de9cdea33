#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/shell/Folders.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

TEST(LoadPicture, GoodPictureIsDecodedPremultiplied)
{
    QTemporaryDir dir;
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString path = dir.filePath(QStringLiteral("green.bmp"));
    ASSERT_TRUE(image.save(path));

    const LoadedPicture loaded = LoadPicture(path);
    EXPECT_TRUE(loaded.error.isEmpty());
    EXPECT_EQ(loaded.image.size(), QSize(30, 20));
    EXPECT_EQ(loaded.image.format(), QImage::Format_ARGB32_Premultiplied);
}

TEST(Folders, AppFolderEndsInExactlyOneSeparator)
{
    EXPECT_EQ(AppFolderOf(QStringLiteral("/opt/tools/sheets")), QStringLiteral("/opt/tools/sheets/"));
    EXPECT_EQ(AppFolderOf(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ObjectFolderOf(QStringLiteral("/opt/q/")), QStringLiteral("/opt/q/Object/"));
}
