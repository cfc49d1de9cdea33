#include "core/output/ResultWriter.h"

#include <cmath>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include "support/OrdinaryFileAccess.h"

namespace quorvane {
namespace {

constexpr int kPageWidth = 1190;
constexpr int kPageHeight = 1684;

// A page with the smooth gradients of a photograph, where a poor palette shows bands.
QImage DrawPhotoPage()
{
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPageHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < kPageWidth; ++x) {
            const double u = double(x) / kPageWidth;
            const double v = double(y) / kPageHeight;
            const double wave = 0.5 + 0.5 * std::sin(9.0 * u + 5.0 * v);
            line[x] = qRgb(int(255 * u), int(255 * v), int(255 * wave * (1.0 - 0.5 * u)));
        }
    }
    return page;
}

double Psnr(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const double dr = qRed(p) - qRed(q), dg = qGreen(p) - qGreen(q), db = qBlue(p) - qBlue(q);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * x.width() * x.height());
    return mse == 0.0 ? INFINITY : 10.0 * std::log10(255.0 * 255.0 / mse);
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

int LittleEndian32(const QByteArray& bytes, qsizetype at)
{
    int value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

QStringList FolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ResultWriter, EachFormatRoundTripsAtPageSize)
{
    struct Row {
        const char* name;
        double minPsnr; // infinity: the pixels must come back exactly
    };
    // On this page giflib's own median-cut palette reaches about 26 dB; 256 colours
    // chosen well and dithered reach about 30.
    const Row rows[] = {{"page.jpg", 38.0}, {"page.png", INFINITY}, {"page.gif", 29.0}, {"page.bmp", INFINITY}};
    const QImage page = DrawPhotoPage();
    QTemporaryDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        const WriteResult result = WriteResultImage(page, path);
        ASSERT_EQ(result.status, WriteStatus::Written) << result.message.toStdString();
        EXPECT_TRUE(result.message.isEmpty());
        const QImage back = QImageReader(path).read();
        ASSERT_EQ(back.size(), QSize(kPageWidth, kPageHeight));
        if (std::isinf(row.minPsnr))
            EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), page);
        else
            EXPECT_GE(Psnr(page, back), row.minPsnr);
    }
}

TEST(ResultWriter, GifIsARealGifOfAtMost256Colours)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.GIF"));
    ASSERT_EQ(WriteResultImage(DrawPhotoPage(), path).status, WriteStatus::Written);
    EXPECT_TRUE(ReadAll(path).startsWith("GIF8"));
    const QImage back = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            colours.insert(back.pixel(x, y));
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 128u); // the palette is used, not a handful of flat colours
}

TEST(ResultWriter, JpegAndPngRecord144DpiAndBmpKeepsThePagesOwn)
{
    QImage page = DrawPhotoPage();
    page.setDotsPerMeterX(3780); // 96 dpi
    page.setDotsPerMeterY(3780);
    QTemporaryDir dir;
    for (const char* name : {"page.jpg", "page.png", "page.bmp"})
        ASSERT_EQ(WriteResultImage(page, dir.filePath(QString::fromUtf8(name))).status, WriteStatus::Written);

    const QByteArray jpeg = ReadAll(dir.filePath(QStringLiteral("page.jpg")));
    ASSERT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(jpeg.at(13), 1); // density unit: dots per inch
    EXPECT_EQ(BigEndian(jpeg, 14, 2), 144);
    EXPECT_EQ(BigEndian(jpeg, 16, 2), 144);

    const QByteArray png = ReadAll(dir.filePath(QStringLiteral("page.png")));
    const qsizetype phys = png.indexOf("pHYs");
    ASSERT_GT(phys, 0);
    EXPECT_EQ(BigEndian(png, phys + 4, 4), 5669);
    EXPECT_EQ(BigEndian(png, phys + 8, 4), 5669);
    EXPECT_EQ(png.at(phys + 12), 1); // unit: metre

    const QByteArray bmp = ReadAll(dir.filePath(QStringLiteral("page.bmp")));
    EXPECT_EQ(LittleEndian32(bmp, 38), 3780);
    EXPECT_EQ(LittleEndian32(bmp, 42), 3780);
}

TEST(ResultWriter, UpperCaseJpgWritesAJpegAtQuality90)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sheet.JPG"));
    ASSERT_EQ(WriteResultImage(DrawPhotoPage(), path).status, WriteStatus::Written);
    const QByteArray jpeg = ReadAll(path);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));

    // The first luminance quantisation table, in zig-zag order: the standard table
    // scaled for quality 90, that is by 200 - 2 * 90 = 20 percent.
    const qsizetype dqt = jpeg.indexOf("\xFF\xDB");
    ASSERT_GT(dqt, 0);
    ASSERT_EQ(jpeg.at(dqt + 4), 0); // 8-bit table number 0
    const int standard[] = {16, 11, 12, 14, 12, 10, 16, 14};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(static_cast<unsigned char>(jpeg.at(dqt + 5 + i)), (standard[i] * 20 + 50) / 100) << i;
}

// Writes a sentinel file at `path` and checks after `act` that it and its folder are as before.
void ExpectUntouched(const QString& path, const std::function<void()>& act)
{
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier save");
    }
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList before = FolderEntries(folder);
    act();
    EXPECT_EQ(ReadAll(path), QByteArray("earlier save"));
    EXPECT_EQ(FolderEntries(folder), before);
}

TEST(ResultWriter, OtherEndingsWriteNothingAndListTheFourEndings)
{
    QTemporaryDir dir;
    for (const char* name : {"page.jpeg", "page"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromUtf8(name));
        ExpectUntouched(path, [&] {
            const WriteResult result = WriteResultImage(DrawPhotoPage(), path);
            EXPECT_EQ(result.status, WriteStatus::UnsupportedName);
            EXPECT_TRUE(result.message.contains(path));
            EXPECT_TRUE(result.message.contains(QStringLiteral(".jpg, .png, .gif or .bmp")));
        });
    }
}

TEST(ResultWriter, ReadOnlyFolderFailsWithTheReasonAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          | QFile::ReadOther | QFile::ExeOther);
    const QString path = dir.filePath(QStringLiteral("page.png"));
    ExpectUntouched(path, [&] {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        WriteResult result;
        {
            OrdinaryFileAccess ordinary;
            result = WriteResultImage(DrawPhotoPage(), path);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(result.status, WriteStatus::WriteFailed);
        EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(QStringLiteral("ermission denied"))) << result.message.toStdString();
    });
}

TEST(ResultWriter, ImpossibleWritesFailWithoutLeavingAnything)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("missing/page.png"));
    WriteResult result = WriteResultImage(DrawPhotoPage(), missingFolder);
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_TRUE(result.message.contains(missingFolder));
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    result = WriteResultImage(DrawPhotoPage(), dir.filePath(QStringLiteral("folder.bmp")));
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.bmp"))).isDir());

    const QString path = dir.filePath(QStringLiteral("page.gif"));
    ExpectUntouched(path, [&] {
        const WriteResult nothing = WriteResultImage(QImage(), path);
        EXPECT_EQ(nothing.status, WriteStatus::WriteFailed);
        EXPECT_TRUE(nothing.message.contains(path));
    });
}

} // namespace
} // namespace quorvane
