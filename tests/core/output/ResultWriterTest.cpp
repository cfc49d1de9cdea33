#include "core/output/ResultWriter.h"
#include "core/shell/Paper.h"

#include <cmath>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

#include "core/services/FileKind.h"
#include "support/FaultInjection.h"
#include "support/Files.h"
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

TEST(ResultWriter, EachEndingRoundTripsInItsFormatAtPageSizeJpegAtQuality90)
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
        // Quality 90: the standard luminance table's first values 16, 11, 12, 14, 12, 10, 16, 14
        // (zig-zag order) scaled by 200 - 2 * 90 = 20 percent.
        const QByteArray file = ReadFileBytes(path);
        if (row.format == "jpeg") {
            EXPECT_EQ(file.mid(file.indexOf("\xFF\xDB") + 5, 8), QByteArray("\3\2\2\3\2\2\3\3"));
        }
    }
    EXPECT_EQ(QDir(dir.path()).count(), 2u + 5u); // ".", ".." and the five files: no leftovers
}

// The resolution a file records across (down = 0) or down (1) in dots per metre, read from
// its header: JPEG's JFIF density (in whole dots per inch), PNG's pHYs chunk, the BMP
// information header.
double RecordedDotsPerMetre(const QByteArray& file, int down)
{
    const char* bytes = file.constData();
    if (file.mid(6, 5) == QByteArray("JFIF\0", 5) && file.at(13) == 1)
        return qFromBigEndian<quint16>(bytes + 14 + 2 * down) / 0.0254;
    if (const qsizetype phys = file.indexOf("pHYs"); file.startsWith("\x89PNG") && phys > 0 && file.at(phys + 12) == 1)
        return qFromBigEndian<quint32>(bytes + phys + 4 + 4 * down);
    if (file.startsWith("BM") && file.size() >= 46)
        return qFromLittleEndian<qint32>(bytes + 38 + 4 * down);
    return 0;
}

// Read back, every page measures 210 x 297 mm at the resolution its file records; at 144 dpi
// that is 5669 dots per metre, as it has always been.
TEST(ResultWriter, JpegPngAndBmpRecordTheResolutionAtWhichThePageIsA4)
{
    QTemporaryDir dir;
    for (const auto& [PageDpi, dotsPerMetre] : {std::pair{144, 5669}, {600, 23622}}) {
        QImage page(*Paper{}.PortraitPageSize(PageDpi), QImage::Format_RGB32);
        page.fill(Qt::white);
        for (const QString& ending : {QStringLiteral("jpg"), QStringLiteral("png"), QStringLiteral("bmp")}) {
            SCOPED_TRACE(QStringLiteral("%1 dpi %2").arg(PageDpi).arg(ending).toStdString());
            const QString path = dir.filePath(QStringLiteral("page%1.%2").arg(PageDpi).arg(ending));
            ASSERT_EQ(WriteResultImage(page, path, PageDpi).status, WriteStatus::Written);
            const QByteArray file = ReadFileBytes(path);
            const QSize size = QImageReader(path).size();
            EXPECT_NEAR(size.width() / RecordedDotsPerMetre(file, 0) * 1000, 210.0, 0.15);
            EXPECT_NEAR(size.height() / RecordedDotsPerMetre(file, 1) * 1000, 297.0, 0.15);
            EXPECT_EQ(RecordedDotsPerMetre(file, 0), ending == u"jpg" ? PageDpi / 0.0254 : dotsPerMetre);
        }
    }
}

QStringList FilesIn(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Root may write anywhere: the save runs with an ordinary user's rights.
WriteResult WriteAsOrdinaryUser(const QImage& page, const QString& path)
{
    OrdinaryFileAccess ordinary;
    return WriteResultImage(page, path);
}

void ExpectFailedSaying(const WriteResult& result, WriteStatus status, const QString& path, const QString& reason)
{
    EXPECT_EQ(result.status, status);
    EXPECT_TRUE(result.message.contains(path) && result.message.contains(reason)) << result.message.toStdString();
}

// A file the user could not write in place, or that has other hard links, stays as it is.
TEST(ResultWriter, RefusedAndFailedSavesSayWhyAndLeaveTheOldFileAlone)
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString anEnding = QStringLiteral(".jpg, .png, .gif, .bmp or .pdf");
    const QString denied = QStringLiteral("Permission denied");
    const struct {
        const char* name;
        mode_t folderMode;
        mode_t fileMode;
        bool hardLinked;
        WriteStatus status;
        QString reason;
    } rows[] = {{"page.tif", 0755, 0644, false, WriteStatus::UnsupportedName, anEnding},
                {"page", 0755, 0644, false, WriteStatus::UnsupportedName, anEnding},
                {"page.png", 0555, 0666, false, WriteStatus::WriteFailed, denied + QStringLiteral(" to write in its folder")},
                {"page.png", 0777, 0444, false, WriteStatus::WriteFailed, denied},
                {"page.png", 0777, 0666, true, WriteStatus::WriteFailed, QStringLiteral("other hard links")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        ASSERT_TRUE(WriteFileBytes(path, "earlier save"));
        ASSERT_EQ(chmod(QFile::encodeName(path).constData(), row.fileMode), 0);
        const QByteArray other = QFile::encodeName(elsewhere.filePath(QStringLiteral("other.png")));
        ASSERT_TRUE(!row.hardLinked || link(QFile::encodeName(path).constData(), other.constData()) == 0);
        chmod(QFile::encodeName(dir.path()).constData(), row.folderMode);
        const WriteResult result = WriteAsOrdinaryUser(DrawPhotoPage(), path);
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        ExpectFailedSaying(result, row.status, path, row.reason);
        EXPECT_EQ(ReadFileBytes(path), QByteArray("earlier save"));
        EXPECT_EQ(FilesIn(dir), QStringList(QString::fromUtf8(row.name)));
        QFile::remove(path);
        unlink(other.constData());
    }
}

// The temporary name is shortened to fit beside the longest name the folder takes.
TEST(ResultWriter, LongestNamesAreWrittenAndReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(251, u'n') + QStringLiteral(".png"));
    QImage page(8, 6, QImage::Format_RGB32);
    page.fill(QColor(10, 200, 30));
    for (const char* before : {"", "earlier save"}) {
        ASSERT_TRUE(*before == 0 || WriteFileBytes(path, before));
        EXPECT_EQ(WriteResultImage(page, path).status, WriteStatus::Written) << before;
        EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), page);
    }
}

// The limit is half of what each output needs, so every write fails part-way: small
// outputs (a white page) only when their last bytes are flushed, large ones on the way.
TEST(ResultWriter, WriteFailingPartWayKeepsTheOldFileAndSaysWhy)
{
    QImage white(1190, 1684, QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage photo = DrawPhotoPage();
    QTemporaryDir dir;
    for (const char* ending : {".jpg", ".png", ".gif", ".bmp", ".pdf"}) {
        for (const QImage* page : {&white, &photo}) {
            SCOPED_TRACE(std::string(ending) + (page == &white ? " white" : " photo"));
            const QString path = dir.filePath(QStringLiteral("page") + QLatin1String(ending));
            ASSERT_EQ(WriteResultImage(*page, path).status, WriteStatus::Written);
            const qint64 needed = QFileInfo(path).size();
            ASSERT_TRUE(WriteFileBytes(path, "earlier save"));
            WriteResult result;
            {
                FileSizeLimit limit(rlim_t(needed / 2));
                result = WriteResultImage(*page, path);
            }
            ExpectFailedSaying(result, WriteStatus::WriteFailed, path, QStringLiteral("File too large"));
            EXPECT_EQ(ReadFileBytes(path), QByteArray("earlier save"));
            EXPECT_EQ(FilesIn(dir).size(), 1);
            QFile::remove(path);
        }
    }
    const QString bytesPath = dir.filePath(QStringLiteral("raw.bmp"));
    FileSizeLimit limit(100);
    EXPECT_TRUE(WriteResultBytes(QByteArray(1000, 'x'), bytesPath).message.contains(QStringLiteral("File too large")));
    EXPECT_TRUE(FilesIn(dir).isEmpty());
}

// Whatever the target is behind its links, only a regular file is ever replaced.
TEST(ResultWriter, TargetsThatAreNotFilesAreRefusedUntouched)
{
    QTemporaryDir dir;
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0); // open to OrdinaryFileAccess
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.png"))).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.gif")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("pipe.png")), dir.filePath(QStringLiteral("to-pipe.jpg"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("to-null.bmp"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("pipe.png")), dir.filePath(QStringLiteral("to-pipe.pdf"))));
    const struct {
        const char* name;
        FileKind kind;
        const char* reason;
    } rows[] = {{"pipe.png", FileKind::Pipe, "it is a pipe, not a file"},
                {"to-pipe.jpg", FileKind::Pipe, "it is a pipe, not a file"},
                {"to-pipe.pdf", FileKind::Pipe, "it is a pipe, not a file"},
                {"to-null.bmp", FileKind::Device, "it is a device, not a file"},
                {"folder.gif", FileKind::Folder, "it is a folder"}};
    const QStringList before = FilesIn(dir);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromUtf8(row.name));
        // Refused before anything is written, even to the system's devices.
        const std::optional<WriteResult> refused = CheckResultTarget(path);
        ASSERT_TRUE(refused && refused->message.contains(QString::fromUtf8(row.reason)));
        const WriteResult result = WriteAsOrdinaryUser(DrawPhotoPage(), path);
        EXPECT_EQ(result.status, WriteStatus::WriteFailed);
        EXPECT_EQ(result.message.toStdString(), refused->message.toStdString());
        EXPECT_EQ(FactsOf(path).kind, row.kind);
    }
    EXPECT_EQ(FilesIn(dir), before);
    EXPECT_EQ(FactsOf(QStringLiteral("/dev/null")).kind, FileKind::Device);
}

TEST(ResultWriter, WritingThroughALinkReplacesTheFileAndKeepsTheLinkAndPermissions)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.png"));
    const QString link = dir.filePath(QStringLiteral("link.png"));
    ASSERT_TRUE(WriteFileBytes(real, "earlier save"));
    ASSERT_EQ(chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("real.png"), link));

    QImage page(64, 48, QImage::Format_RGB32);
    page.fill(QColor(10, 200, 30));
    ASSERT_EQ(WriteResultImage(page, link).status, WriteStatus::Written);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QImage(real).convertToFormat(QImage::Format_RGB32), page);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(FilesIn(dir), QStringList({QStringLiteral("link.png"), QStringLiteral("real.png")}));
}

} // namespace
} // namespace quorvane
