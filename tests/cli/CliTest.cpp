#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/TransBitmap.h"
#include "core/generation/TransBitmapExact.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

// A picture with a transparent margin and a few coloured shapes.
QString DrawPicture(const QTemporaryDir& dir, QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(size.width() / 8, size.height() / 8), size * 3 / 4), QColor(30, 140, 60));
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(QRect(QPoint(size.width() / 4, size.height() / 4), size / 3));
    painter.end();
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    picture.save(path);
    return path;
}

// The page of the same steps as the main window at start-up, on an 853 x 480 canvas.
GenerateResult StartUpPage(const QString& picture, SheetMapping mapping)
{
    Document doc;
    CanvasPaper paper;
    GenControl control;
    SetDefaultPaper(doc);
    ResetPaper(doc, paper, QSizeF(853, 480), false);
    SetPicture(doc, LoadPicture(picture).image, picture);
    ApplyDefaultPlacement(doc, paper, QSizeF(853, 480));
    doc.Mapping = mapping;
    return GenerateBothSheets(doc, paper, control, {});
}

} // namespace

TEST(CliGenerate, DefaultPaperPageHasTheDesktopProgramsPixels)
{
    QTemporaryDir dir;
    const QString picture = DrawPicture(dir, QSize(500, 360));
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const ProgramRun outcome = RunCli({"generate", "--default-paper", "--picture", picture, "-o", page});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();

    const GenerateResult expected = StartUpPage(picture, SheetMapping::Bilinear);
    ASSERT_EQ(expected.status, GenerateStatus::Done);

    const QImage written(page);
    EXPECT_EQ(written.size(), QSize(1190, 1684));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected.page);
}

TEST(CliGenerate, StyleCanvasAndPlacementOptions)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("upright.png"));
    const ProgramRun outcome = RunCli({"generate", "--default-paper", "--style=4.2", "--canvas", "600x400",
                                    "--placement=-20,-20,700,500", "--picture",
                                    DrawPicture(dir, QSize(40, 30)), "-o", page});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(QImage(page).size(), QSize(1684, 1190));
}

// An upright sheet turned almost edge-on passes the designer; its page is made too.
TEST(CliGenerate, SteepUprightPaperMakesAPage)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.png"));
    const ProgramRun outcome = RunCli({"generate", "--style", "4.2", "--angle=-85", "--fov", "30", "-o", page});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(QImage(page).size(), QSize(1684, 1190));
}

TEST(CliGenerate, BadUsageAndBadInput)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("page.png"));
    EXPECT_EQ(RunCli({"generate", "--default-paper"}).exitCode, 1);
    // Each with the option its message (the first line, before the usage) names.
    const std::pair<QStringList, QString> rows[] = {
        {{"--style", "5"}, "--style"},
        {{"--canvas", "0x10"}, "--canvas"},
        {{"--placement", "1,2,3"}, "--placement"},
        {{"--placement=600,400,200,100"}, "--placement"}, // reversed
        {{"--placement=10,20,300,20"}, "--placement"},    // no height
        {{"--zoom", "2"}, "--zoom"},
        {{"--mapping", "perspective"}, "--mapping"},
        {{"--mapping=Exact"}, "--mapping"},
        {{"--composite", "view.png"}, "--composite"}};
    for (const auto& [bad, option] : rows) {
        const QStringList arguments = QStringList{"generate", "--default-paper", "-o", page} + bad;
        const ProgramRun run = RunCli(arguments);
        const QString err = QString::fromUtf8(run.err);
        EXPECT_EQ(run.exitCode, 1) << bad.join(' ').toStdString();
        EXPECT_TRUE(err.section(u'\n', 0, 0).contains(option)) << err.toStdString();
    }

    const QString notAPicture = dir.filePath(QStringLiteral("notes.png"));
    QFile file(notAPicture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const ProgramRun undecodable = RunCli({"generate", "--default-paper", "--picture", notAPicture, "-o", page});
    EXPECT_EQ(undecodable.exitCode, 2);
    EXPECT_TRUE(undecodable.err.contains("notes.png"));
    EXPECT_FALSE(QFile::exists(page));
}

TEST(CliReproject, BitmapDestinationHoldsTheWholeBuffer)
{
    QTemporaryDir dir;
    const QString source = DrawPicture(dir, QSize(24, 18));
    const QString bitmap = dir.filePath(QStringLiteral("out.BMP"));
    const QString quad = QStringLiteral("--quad=2,1,20,3,22,16,1,15");
    const ProgramRun outcome = RunCli({"reproject", source, bitmap, quad});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();

    TransformState gen =
        WholeBufferState(PixelBuffer::FromImage(LoadPicture(source).image), {{{2, 1}, {20, 3}, {22, 16}, {1, 15}}});
    GenControl control;
    QImage target(24, 18, QImage::Format_RGB32);
    ASSERT_TRUE(TransBitmap(gen, control, target, {}));

    QFile file(bitmap);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 54 + 24 * 18 * 4);
    const auto pixels = gen.DstBits.Bytes();
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(),
                           reinterpret_cast<const uint8_t*>(bytes.constData()) + 54));
    EXPECT_EQ(QImage(bitmap).convertToFormat(QImage::Format_RGB32), target); // rows bottom-up

    const QString png = dir.filePath(QStringLiteral("out.png"));
    ASSERT_EQ(RunCli({"reproject", source, png, quad}).exitCode, 0);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), target);
}

TEST(CliReproject, ExitCodesForUsageInputAndOutput)
{
    QTemporaryDir dir;
    const QString source = DrawPicture(dir, QSize(8, 8));
    const QString quad = QStringLiteral("--quad=0,0,7,0,7,7,0,7");
    EXPECT_EQ(RunCli({"reproject", source, quad}).exitCode, 1);
    EXPECT_EQ(RunCli({"reproject", source, dir.filePath("a.png"), "--quad=1,2"}).exitCode, 1);
    EXPECT_EQ(RunCli({"reproject", source, dir.filePath("a.tga"), quad}).exitCode, 1);
    EXPECT_EQ(RunCli({"reproject", source, dir.filePath("a.png"), quad, "--mapping=cubic"}).exitCode, 1);
    EXPECT_EQ(RunCli({"reproject", dir.filePath("missing.png"), dir.filePath("a.png"), quad}).exitCode, 2);
    EXPECT_EQ(RunCli({"reproject", source, dir.filePath("no/such/a.png"), quad}).exitCode, 3);
    EXPECT_EQ(RunCli({"reproject", source, dir.filePath("no/such/a.bmp"), quad}).exitCode, 3);
}

TEST(CliMapping, ExactMappingOnGenerateAndReproject)
{
    QTemporaryDir dir;
    const QString picture = DrawPicture(dir, QSize(300, 200));
    const QString exactPage = dir.filePath(QStringLiteral("exact.png"));
    const QString bilinearPage = dir.filePath(QStringLiteral("bilinear.png"));
    ASSERT_EQ(RunCli({"generate", "--default-paper", "--picture", picture, "--mapping=exact", "-o", exactPage}).exitCode, 0);
    ASSERT_EQ(RunCli({"generate", "--default-paper", "--picture", picture, "--mapping", "bilinear", "-o",
                      bilinearPage}).exitCode, 0);

    const GenerateResult bilinear = StartUpPage(picture, SheetMapping::Bilinear);
    const GenerateResult exact = StartUpPage(picture, SheetMapping::Exact);
    EXPECT_EQ(QImage(exactPage).convertToFormat(QImage::Format_RGB32), exact.page);
    EXPECT_EQ(QImage(bilinearPage).convertToFormat(QImage::Format_RGB32), bilinear.page);
    EXPECT_NE(exact.page, bilinear.page);

    const QString reprojected = dir.filePath(QStringLiteral("exact.bmp"));
    ASSERT_EQ(RunCli({"reproject", picture, reprojected, "--quad=40,10,250,30,290,190,5,170", "--mapping=exact"})
                  .exitCode, 0);
    TransformState gen = WholeBufferState(PixelBuffer::FromImage(LoadPicture(picture).image),
                                          {{{40, 10}, {250, 30}, {290, 190}, {5, 170}}});
    GenControl control;
    ASSERT_TRUE(TransBitmapExact(gen, control, {}));
    EXPECT_EQ(QImage(reprojected).convertToFormat(QImage::Format_RGB32), gen.DstBits.ToImage());
}
