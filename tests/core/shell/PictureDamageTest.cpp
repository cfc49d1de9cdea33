// Damaged pictures made here, not downloaded: each format cut short at several points,
// and a seeded corpus of mutated files, through the picture loader (also under the
// sanitizers).
#include <random>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtEndian>

#include <unistd.h>
#include <zlib.h>

#include "core/output/GifEncoder.h"
#include "core/shell/PictureLoader.h"
#include "support/FaultInjection.h"
#include "support/Files.h"
#include "support/OrdinaryFileAccess.h"

using namespace quorvane;

namespace {

struct Sample {
    const char* name; // with the ending the format uses
    QByteArray bytes;
};

QImage DrawPicture()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(4 * x, 5 * y, 255 - 2 * x - y));
    return picture;
}

QByteArray Encode(const QImage& picture, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QByteArray(format) == "gif") {
        EXPECT_FALSE(EncodeGif(picture, buffer));
        return bytes;
    }
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture));
    return bytes;
}

// A 4 x 2 run-length-coded 8-bit bitmap with a two-colour palette (black, green); its runs:
// four of colour 1, end of line, two of 0 and two of 1, end of line, end of picture.
QByteArray RunLengthBitmap()
{
    return QByteArray::fromHex("424d4a000000000000003e000000" // file header
                               "28000000040000000200000001000800010000000c000000130b0000130b00000200000000000000"
                               "0000000020c04000" // palette
                               "040100000200020100000001");
}

std::vector<Sample> CompleteSamples()
{
    const QImage picture = DrawPicture();
    return {{"picture.png", Encode(picture, "png")},           {"picture.jpg", Encode(picture, "jpeg")},
            {"progressive.jpg", Encode(picture, "jpeg", true)}, {"picture.bmp", Encode(picture, "bmp")},
            {"picture.gif", Encode(picture, "gif")},           {"runs.bmp", RunLengthBitmap()},
            {"picture.tif", Encode(picture, "tiff")}};
}

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, 0);
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray PngChunk(const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    return BigEndian(quint32(data.size())) + typed
        + BigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
}

// Whatever is written straight to standard error (as a library's own messages are) while it
// lives; the toolkit's messages, which the programs route themselves, are dropped.
class StandardErrorCapture {
public:
    StandardErrorCapture() : saved_(dup(STDERR_FILENO)), previous_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}))
    {
        file_.open();
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StandardErrorCapture() { Release(); }
    QByteArray Release()
    {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
            saved_ = -1;
            qInstallMessageHandler(previous_);
        }
        file_.seek(0);
        return file_.readAll();
    }

private:
    QTemporaryFile file_;
    int saved_;
    QtMessageHandler previous_;
};

QString Save(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
}

// Whole, each sample loads, premultiplied as the drawing wants it. Cut after the signature,
// at eighths, or just before the end (a GIF's last byte is its trailer, which comes after the
// whole picture), it is damaged.
TEST(PictureDamage, PictureCutShortIsReportedAsDamagedAndNotUsed)
{
    QTemporaryDir dir;
    for (const Sample& sample : CompleteSamples()) {
        const LoadedPicture whole = LoadPicture(Save(dir, QString::fromUtf8(sample.name), sample.bytes));
        EXPECT_TRUE(whole.error.isEmpty()) << whole.error.toStdString();
        EXPECT_EQ(whole.image.format(), QImage::Format_ARGB32_Premultiplied) << sample.name;
        const qsizetype size = sample.bytes.size();
        std::vector<qsizetype> cuts{size - (QByteArray(sample.name).endsWith(".gif") ? 2 : 1)};
        for (int k = 0; k < 8; ++k)
            cuts.push_back(8 + k * (size - 8) / 8);
        for (const qsizetype cut : cuts) {
            const QString name = QStringLiteral("cut-%1-%2").arg(cut).arg(QString::fromUtf8(sample.name));
            const LoadedPicture loaded = LoadPicture(Save(dir, name, sample.bytes.left(cut)));
            EXPECT_TRUE(loaded.image.isNull()) << name.toStdString();
            EXPECT_TRUE(loaded.error.contains(name) && loaded.error.contains(QStringLiteral("damaged")))
                << loaded.error.toStdString();
        }
    }
}

// Random bytes overwritten: the loader either gives a picture or names the file with a
// reason; it never crashes nor overruns.
TEST(PictureDamage, MutatedPicturesGiveAPictureOrAMessage)
{
    QTemporaryDir dir;
    std::mt19937 random(20261206);
    StandardErrorCapture libraryMessages;
    for (const Sample& sample : CompleteSamples()) {
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = sample.bytes;
            const int changes = 1 + round % 6;
            for (int i = 0; i < changes; ++i) {
                const auto at = qsizetype(random() % quint32(bytes.size()));
                bytes[at] = char(round % 3 == 0 ? 0xFF : random() & 0xFF);
            }
            const QString name = QStringLiteral("mutant-%1-%2").arg(round).arg(QString::fromUtf8(sample.name));
            const LoadedPicture loaded = LoadPicture(Save(dir, name, bytes));
            EXPECT_EQ(loaded.image.isNull(), !loaded.error.isEmpty()) << name.toStdString();
            EXPECT_TRUE(!loaded.image.isNull() || loaded.error.contains(name)) << loaded.error.toStdString();
        }
    }
    EXPECT_EQ(libraryMessages.Release().toStdString(), "");
}

// Paths that are no picture file give the real reason; a pipe or device is never opened,
// nor a picture whose header announces more pixels than may be decoded.
TEST(PictureDamage, PathsThatAreNoPictureFileSayWhy)
{
    QTemporaryDir dir;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0); // open to OrdinaryFileAccess
    const QString pipe = dir.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.png"))));
    const QString locked = Save(dir, QStringLiteral("locked.png"), CompleteSamples().front().bytes);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    Save(dir, QStringLiteral("huge.ppm"), "P6\n30000 30000\n255\n");
    Save(dir, QStringLiteral("words.png"), "not a picture");
    // Pictures whose decoder needs more than their pixels: 8 bytes a pixel, a GIF's screen.
    Save(dir, QStringLiteral("deep.png"),
         "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", BigEndian(8200) + BigEndian(8200) + QByteArray("\x10\x06\0\0\0", 5))
             + PngChunk("IDAT", qCompress(QByteArray(17, 0)).mid(4)) + PngChunk("IEND", {}));
    Save(dir, QStringLiteral("screen.gif"), QByteArray::fromHex("474946383961ffffffff800000000000ffffff"
                                                                "2c00000000010001000002024c01003b"));
    const struct {
        const char* name;
        const char* reason;
    } rows[] = {{"missing.png", "the file does not exist"},  {"folder.png", "it is a folder"},
                {"pipe.png", "it is a pipe, not a file"},    {"zero.png", "it is a device, not a file"},
                {"locked.png", "Permission denied"},         {"huge.ppm", "too large (30000 x 30000 pixels)"},
                {"words.png", "could not be opened"},        {"deep.png", "too large (8200 x 8200 pixels)"},
                {"screen.gif", "too large (65535 x 65535 pixels)"}};
    for (const auto& row : rows) {
        LoadedPicture loaded;
        WithinSeconds(20, [&] {
            OrdinaryFileAccess ordinary;
            loaded = LoadPicture(dir.filePath(QString::fromUtf8(row.name)));
        });
        EXPECT_TRUE(loaded.image.isNull());
        EXPECT_TRUE(loaded.error.contains(QLatin1String(row.name)) && loaded.error.contains(QLatin1String(row.reason)))
            << loaded.error.toStdString();
    }
}

} // namespace
