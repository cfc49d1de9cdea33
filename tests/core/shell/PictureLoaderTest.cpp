#include <gtest/gtest.h>

#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "core/shell/Folders.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

uint32_t Crc32(const QByteArray& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= uint8_t(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void AppendBigEndian(QByteArray& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

// A PNG that announces 30000 x 30000 pixels: only its header is real.
QByteArray HugePngHeader()
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    AppendBigEndian(ihdr, 30000);
    AppendBigEndian(ihdr, 30000);
    ihdr.append("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA
    AppendBigEndian(png, 13);
    png.append(ihdr);
    AppendBigEndian(png, Crc32(ihdr));
    for (const char* type : {"IDAT", "IEND"}) {
        AppendBigEndian(png, 0);
        png.append(type);
        AppendBigEndian(png, Crc32(QByteArray(type)));
    }
    return png;
}

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
    const QString huge = WriteFile(dir, QStringLiteral("huge.png"), HugePngHeader());
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
