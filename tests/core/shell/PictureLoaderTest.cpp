#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/shell/Folders.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

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

TEST(LoadPicture, BadFilesGiveAMessageNamingTheFile)
{
    QTemporaryDir dir;
    const QString garbage = WriteFile(dir, QStringLiteral("broken.png"), QByteArray("not a picture"));
    // Only the header is real: it announces 30000 x 30000 pixels.
    const QString huge = WriteFile(dir, QStringLiteral("huge.ppm"), QByteArray("P6\n30000 30000\n255\n"));
    const QString missing = dir.filePath(QStringLiteral("missing.jpg"));

    for (const QString& path : {garbage, huge, missing}) {
        const LoadedPicture loaded = LoadPicture(path);
        EXPECT_TRUE(loaded.image.isNull()) << path.toStdString();
        EXPECT_TRUE(loaded.error.contains(QFileInfo(path).fileName())) << loaded.error.toStdString();
        EXPECT_TRUE(loaded.error.contains(QStringLiteral("could not be opened")));
    }
    EXPECT_TRUE(LoadPicture(huge).error.contains(QStringLiteral("too large")));
}

TEST(Folders, AppFolderEndsInExactlyOneSeparator)
{
    EXPECT_EQ(AppFolderOf(QStringLiteral("/opt/tools/sheets")), QStringLiteral("/opt/tools/sheets/"));
    EXPECT_EQ(AppFolderOf(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ObjectFolderOf(QStringLiteral("/opt/q/")), QStringLiteral("/opt/q/Object/"));
}
