// quorvane-cli generate --photo on photos drawn here: the page made from the paper the photo
// shows, with its corners found or given, or, for a photo of no single whole paper or a
// damaged one, the reason and no file written.
#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "support/PaperPhoto.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The corners detect prints, as --corners takes them.
QString DetectedCorners(const QString& photo, const QString& style)
{
    const ProgramRun run = RunCli({"detect", photo, "--style", style});
    QStringList numbers;
    for (const QJsonValue corner : QJsonDocument::fromJson(run.out).object()["corners"].toArray())
        numbers << QString::number(corner.toArray()[0].toDouble(), 'f', 3)
                << QString::number(corner.toArray()[1].toDouble(), 'f', 3);
    return numbers.join(',');
}

} // namespace

TEST(CliGeneratePhoto, CornersFoundOrGivenMakeTheSamePageAndTheCompositeIsOverThePhoto)
{
    QTemporaryDir dir;
    const test::PaperPhoto photo = test::DrawPaperPhoto(PaperLayout::LFold, {90, 55, 20, 25, 0, 0}, {}, QSize(900, 600));
    const QString path = dir.filePath("paper.png");
    ASSERT_TRUE(photo.image.save(path));
    const QString found = dir.filePath("found.png"), given = dir.filePath("given.png");
    const QString composite = dir.filePath("view.png");
    const ProgramRun a = RunCli({"generate", "--photo", path, "-o", found, "--composite", composite});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    const QString corners = DetectedCorners(path, "lfold");
    const ProgramRun b = RunCli({"generate", "--photo", path, "--corners", corners, "-o", given});
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    EXPECT_FALSE(Contents(found).isEmpty());
    EXPECT_EQ(Contents(found), Contents(given));

    // The composite is the photo, the picture drawn over the paper only.
    const QImage view(composite);
    ASSERT_EQ(view.size(), photo.image.size());
    const QPoint floor(20, 580);
    EXPECT_EQ(view.pixel(floor), photo.image.pixel(floor));
    const QPointF middle = (photo.corners[0] + photo.corners[2] + photo.corners[3] + photo.corners[4]) / 4.0;
    EXPECT_NE(view.pixel(middle.toPoint()), photo.image.pixel(middle.toPoint()));
}

TEST(CliGeneratePhoto, BadPhotosAndOptionsSayWhyAndWriteNothing)
{
    QTemporaryDir dir;
    const test::PhotoPose front{80, 60, 0, 30, 0, 0};
    const QSize size(900, 600);
    test::PhotoLook floorAlone, secondSheet;
    floorAlone.paper = false;
    secondSheet.secondSheetX = 24.0;
    const QString none = dir.filePath("none.png"), two = dir.filePath("two.png"), cut = dir.filePath("cut.png");
    const QString paper = dir.filePath("paper.png"), damaged = dir.filePath("damaged.jpg");
    const QImage flat = test::DrawPaperPhoto(PaperLayout::Flat, front, {}, size).image;
    ASSERT_TRUE(flat.save(paper));
    ASSERT_TRUE(flat.copy(0, 0, 900, 375).save(cut));
    ASSERT_TRUE(test::DrawPaperPhoto(PaperLayout::Flat, front, floorAlone, size).image.save(none));
    ASSERT_TRUE(test::DrawPaperPhoto(PaperLayout::Flat, front, secondSheet, size).image.save(two));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Contents(paper).left(3000).prepend("\xFF\xD8\xFF\xE0"));
    file.close();

    struct Row {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const std::vector<Row> rows{
        {{"--photo", none}, 2, kMessageNoPaper},
        {{"--photo", two}, 2, kMessageTwoSheets},
        {{"--photo", cut}, 2, kMessagePaperCutOff},
        {{"--photo", damaged}, 2, "damaged.jpg"},
        {{"--photo", paper, "--corners", "1,1,2,2,3,3,4,4,5,5,6,6"}, 2, "encloses no area"},
        {{"--photo", paper, "--corners", "1,1,2,2,3,3,4,4,5,5,6,6000"}, 2, "--corners must lie within the photo"},
        {{"--photo", paper, "--corners", "1,2,3"}, 1, "--corners must be X1,Y1"},
        {{"--photo", paper, "--distance", "100"}, 1, "--distance cannot go with it"},
        {{"--corners", "1,1,2,2,3,3,4,4,5,5,6,6"}, 1, "--corners needs --photo"},
    };
    const QString page = dir.filePath("page.png"), view = dir.filePath("view.png");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const ProgramRun run =
            RunCli(QStringList{"generate", "--style", "flat", "-o", page, "--composite", view} + row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_TRUE(run.err.contains(row.message.toUtf8())) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(page));
        EXPECT_FALSE(QFile::exists(view));
    }
}

// A 50-megapixel photo is read, searched and kept (reduced) within 1 GB of address space.
TEST(CliGeneratePhoto, AFiftyMegapixelPhotoMakesItsPageWithinAGigabyte)
{
    QTemporaryDir dir;
    const QImage drawn = test::DrawPaperPhoto(PaperLayout::LFold, {90, 55, 20, 25, 0, 0}, {}, QSize(1500, 1000)).image;
    const QString path = dir.filePath("large.jpg"), page = dir.filePath("page.png");
    const int limit = QImageReader::allocationLimit(); // the toolkit's writer keeps to it too
    QImageReader::setAllocationLimit(0);
    const bool saved = drawn.scaled(8660, 5774).save(path, "JPG", 90);
    QImageReader::setAllocationLimit(limit);
    ASSERT_TRUE(saved);
    const ProgramRun run = RunCli({"generate", "--photo", path, "-o", page}, QProcessEnvironment::systemEnvironment(),
                                  0, rlim_t(1) << 30);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(page));
}
