#include "core/output/ResultWriter.h"

#include <cmath>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "support/OrdinaryFileAccess.h"

namespace quorvane {
namespace {

// A 1190 x 1684 page with the smooth gradients of a photograph, where a poor palette bands.
QImage DrawPhotoPage()
{
    QImage page(1190, 1684, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const double u = double(x) / page.width(), v = double(y) / page.height();
            page.setPixel(x, y, qRgb(int(255 * u), int(255 * v), int(255 * (0.5 + 0.5 * std::sin(9 * u + 5 * v)) * (1 - 0.5 * u))));
        }
    return page;
}

double Psnr(const QImage& a, const QImage& b)
{
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                sum += double(d) * d;
        }
    return 10.0 * std::log10(255.0 * 255.0 * 3.0 * a.width() * a.height() / sum);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int BigEndian(const QByteArray& bytes, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

int LittleEndian(const QByteArray& bytes, qsizetype at, int count)
{
    int value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

TEST(ResultWriter, EachEndingRoundTripsInItsFormatAtPageSize)
{
    struct Row {
        const char* name;
        QByteArray format;
        double minPsnr; // 0: the pixels come back exactly
    };
    // On this page giflib's own median-cut palette reaches about 26 dB; 256 colours chosen
    // well and dithered about 30.
    const Row rows[] = {{"Sheet.JPG", "jpeg", 38.0}, {"sheet.jpeg", "jpeg", 38.0}, {"page.png", "png", 0},
                        {"page.gif", "gif", 29.0}, {"page.Bmp", "bmp", 0}};
    const QImage page = DrawPhotoPage();
    QTemporaryDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        const WriteResult result = WriteResultImage(page, path);
        ASSERT_EQ(result.status, WriteStatus::Written) << result.message.toStdString();
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), row.format);
        const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), page.size());
        if (row.minPsnr == 0)
            EXPECT_EQ(back, page);
        else
            EXPECT_GE(Psnr(page, back), row.minPsnr);
    }
    EXPECT_EQ(QDir(dir.path()).count(), 2u + 5u); // ".", ".." and the five files: no leftovers
}

// 144 dpi, 5669 dots per metre, makes the 1190 x 1684 page A4 in every format that records it.
TEST(ResultWriter, JpegIsQuality90AndJpegPngAndBmpRecord144Dpi)
{
    QTemporaryDir dir;
    for (const char* name : {"page.jpg", "page.png", "page.bmp"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_EQ(WriteResultImage(DrawPhotoPage(), path).status, WriteStatus::Written) << name;
    }

    const QByteArray jpeg = ReadAll(dir.filePath(QStringLiteral("page.jpg")));
    ASSERT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(jpeg.at(13), 1); // density in dots per inch
    EXPECT_EQ(BigEndian(jpeg, 14, 2), 144);
    EXPECT_EQ(BigEndian(jpeg, 16, 2), 144);
    // The first luminance quantisation values (zig-zag order) are the standard table's
    // scaled for quality 90, that is by 200 - 2 * 90 = 20 percent.
    const qsizetype dqt = jpeg.indexOf("\xFF\xDB");
    ASSERT_GT(dqt, 0);
    const int standard[] = {16, 11, 12, 14, 12, 10, 16, 14};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(static_cast<unsigned char>(jpeg.at(dqt + 5 + i)), (standard[i] * 20 + 50) / 100) << i;

    const QByteArray png = ReadAll(dir.filePath(QStringLiteral("page.png")));
    const qsizetype phys = png.indexOf("pHYs");
    ASSERT_GT(phys, 0);
    EXPECT_EQ(BigEndian(png, phys + 4, 4), 5669); // dots per metre
    EXPECT_EQ(BigEndian(png, phys + 8, 4), 5669);

    const QByteArray bmp = ReadAll(dir.filePath(QStringLiteral("page.bmp")));
    ASSERT_GE(bmp.size(), 46);
    ASSERT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(LittleEndian(bmp, 38, 4), 5669); // the information header's pixels per metre
    EXPECT_EQ(LittleEndian(bmp, 42, 4), 5669);
}

TEST(ResultWriter, RefusedAndFailedSavesSayWhyAndLeaveTheOldFileAlone)
{
    QTemporaryDir dir;
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
    const struct {
        const char* name;
        bool readOnlyFolder;
        WriteStatus status;
        QString reason;
    } rows[] = {{"page.tif", false, WriteStatus::UnsupportedName, QStringLiteral(".jpg, .png, .gif or .bmp")},
                {"page", false, WriteStatus::UnsupportedName, QStringLiteral(".jpg, .png, .gif or .bmp")},
                {"page.png", true, WriteStatus::WriteFailed, QStringLiteral("Permission denied")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier save") > 0);
        earlier.close();
        if (row.readOnlyFolder)
            QFile::setPermissions(dir.path(), readOnly);
        WriteResult result;
        {
            OrdinaryFileAccess ordinary;
            result = WriteResultImage(DrawPhotoPage(), path);
        }
        QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
        EXPECT_EQ(result.status, row.status);
        EXPECT_TRUE(result.message.contains(path) && result.message.contains(row.reason)) << result.message.toStdString();
        EXPECT_EQ(ReadAll(path), QByteArray("earlier save"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList(QString::fromUtf8(row.name)));
        QFile::remove(path);
    }
}

} // namespace
} // namespace quorvane
