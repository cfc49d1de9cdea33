// A PNG written while its page is made: the same file as the finished page's, and on a
// failure or an abandoned run the old file stays.
#include <gtest/gtest.h>

#include <cmath>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/generation/WorkerThreads.h"
#include "core/output/ResultWriter.h"
#include "core/output/StreamedPage.h"
#include "support/FaultInjection.h"
#include "support/Files.h"

using namespace quorvane;

namespace {

// White paper, a hard pattern and smooth shading, so that every one of the five filters is
// the best for some rows and the compression has work to do.
QImage PatternPage()
{
    QImage page(997, 1403, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const double u = x / 997.0, v = y / 1403.0;
            const QRgb smooth = qRgb(int(255 * u), int(255 * v), int(127.5 + 127.5 * std::sin(9 * u + 5 * v)));
            const QRgb pattern = qRgb((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255);
            const int zone = (x / 50 + y / 70) % 4;
            row[x] = zone == 0 ? qRgb(255, 255, 255) : zone == 1 ? pattern : smooth;
        }
    }
    return page;
}

// The page reported final in uneven bands, as the generation reports it, then finished.
WriteResult Stream(const QImage& page, const QString& path)
{
    StreamedPage stream(path, 300);
    for (int rows = 1; rows < page.height(); rows += 1 + rows / 3)
        stream.RowsFinal(page, rows);
    return stream.Finish(page);
}

} // namespace

TEST(StreamedPage, PngWrittenInBandsIsTheFileOfTheWholePage)
{
    const QImage page = PatternPage();
    QTemporaryDir dir;
    const QString whole = dir.filePath(QStringLiteral("whole.png"));
    const QString streamed = dir.filePath(QStringLiteral("streamed.png"));
    ASSERT_EQ(WriteResultImage(page, whole, 300).status, WriteStatus::Written);
    ASSERT_EQ(Stream(page, streamed).status, WriteStatus::Written);
    EXPECT_TRUE(ReadFileBytes(whole) == ReadFileBytes(streamed));

    // Only a PNG is streamed, and not on one thread, the old way.
    EXPECT_FALSE(StreamedPage::Streams(dir.filePath(QStringLiteral("page.bmp"))));
    LimitGenerationThreads(1);
    EXPECT_FALSE(StreamedPage::Streams(streamed));
    LimitGenerationThreads(64);
}

TEST(StreamedPage, FailedOrAbandonedWritesKeepTheOldFile)
{
    const QImage page = PatternPage();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.png"));
    ASSERT_EQ(WriteResultImage(page, path, 300).status, WriteStatus::Written);
    const qint64 needed = QFileInfo(path).size();
    ASSERT_TRUE(WriteFileBytes(path, "earlier save"));
    {
        FileSizeLimit limit(rlim_t(needed / 2));
        const WriteResult result = Stream(page, path);
        EXPECT_EQ(result.status, WriteStatus::WriteFailed);
        EXPECT_TRUE(result.message.contains(QStringLiteral("File too large"))) << result.message.toStdString();
    }
    {
        StreamedPage abandoned(path, 300); // a stopped generation never finishes its page
        abandoned.RowsFinal(page, page.height() / 2);
    }
    EXPECT_EQ(ReadFileBytes(path), QByteArray("earlier save"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    const QImage other = page.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(Stream(other, path).status, WriteStatus::WriteFailed);
    EXPECT_EQ(ReadFileBytes(path), QByteArray("earlier save"));
}
