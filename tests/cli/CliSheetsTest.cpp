// quorvane-cli with a paper of several sheets: its PDF and sheet pictures, bad grids, layouts.
#include <gtest/gtest.h>

#include <QDir>

#include "core/shell/LayoutFile.h"
#include "support/PdfFacts.h"

using namespace quorvane;

namespace {

// The files NAME-Cc-Rr.png of a 2 x 2 piece in `dir`, in the order the sheets are cut.
QStringList SheetPictures(const QTemporaryDir& dir, const QString& name)
{
    QStringList found;
    for (const char* sheet : {"C1-R1", "C2-R1", "C1-R2", "C2-R2"})
        if (const QString file = dir.filePath(QStringLiteral("%1-%2.png").arg(name, QLatin1String(sheet)));
            QFile::exists(file))
            found << file;
    return found;
}

// The pictures are the PDF's sheets after its assembly sheet, on pages of the format's size.
TEST(CliSheets, TwoByTwoPieceAsPdfAndAsSheetPictures)
{
    QTemporaryDir dir;
    const QStringList options{"generate", "--default-paper", "--sheets", "2x2", "--glue", "10", "-o"};
    ASSERT_EQ(RunCli(options + QStringList{dir.filePath(QStringLiteral("page.png"))}).exitCode, 0);
    const QStringList sheets = SheetPictures(dir, QStringLiteral("page"));
    ASSERT_GE(sheets.size(), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), sheets.size()); // no page.png
    // simulate lays the sheets back together for the page they were cut from.
    const QString view = dir.filePath(QStringLiteral("view.png"));
    const QStringList simulate{"simulate", "--sheets", "2x2", "-o", view};
    EXPECT_EQ(RunCli(simulate + QStringList{dir.filePath(QStringLiteral("page.png"))}).exitCode, 0);
    EXPECT_FALSE(QImage(view).isNull());
    const ProgramRun none = RunCli(simulate + QStringList{dir.filePath(QStringLiteral("none.png"))});
    EXPECT_TRUE(none.exitCode == 2 && none.err.contains("nor the sheets it was cut into")) << none.err.toStdString();
    QFile::remove(view);
    const QString pdf = dir.filePath(QStringLiteral("piece.pdf"));
    ASSERT_EQ(RunCli(options + QStringList{pdf}).exitCode, 0);
    const std::vector<QSizeF> sizes = PdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), size_t(sheets.size()) + 1);
    for (const QSizeF& size : sizes)
        EXPECT_NEAR(size.width() + size.height(), 595.3 + 841.9, 0.5);
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const QImage picture = QImage(sheets[i]).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture.size(), *Paper{}.SheetPageSize(144)) << sheets[i].toStdString();
        EXPECT_EQ(PdfPixels(pdf, int(i) + 2, 0, true).convertToFormat(QImage::Format_RGB32), picture);
    }
}

TEST(CliSheets, BadGridsAreRefusedAndTheAssembledPaperIsReported)
{
    const std::pair<QStringList, const char*> usage[] = {
        {{"setup", "--sheets", "7x1"}, "--sheets must be COLUMNSxROWS, each from 1 to 6"},
        {{"simulate", "p.png", "-o", "v.png", "--sheets", "0x2"}, "--sheets must be"},
        {{"generate", "-o", "p.png", "--glue", "30.5"}, "--glue must be a number of millimetres from 0 to 30"},
        {{"setup", "--glue", "-1"}, "--glue must be"},
        {{"generate", "-o", "p.png", "--sheets", "2x1", "--marks"}, "--marks and --setup-sheet are for a paper of one"}};
    for (const auto& [arguments, says] : usage) {
        const ProgramRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << says;
        EXPECT_TRUE(run.err.contains(says)) << run.err.toStdString();
    }
    const ProgramRun large = RunCli({"generate", "-o", "p.png", "--default-paper", "--sheets", "6x6", "--dpi", "600"});
    EXPECT_TRUE(large.exitCode == 2 && large.err.contains("the largest resolution that fits is 300 dpi"));
    // 2 (21 - 1) + 1 cm wide.
    EXPECT_TRUE(RunCli({"setup", "--sheets", "2x2"}).out.contains("\"width\": 41, \"height\": 58.4"));
}

TEST(CliSheets, LayoutKeepsItsGridAndMakesItsSheets)
{
    QTemporaryDir dir;
    Layout layout;
    Document& doc = layout.doc;
    doc.Paper.Grid = {2, 2, 7.5};
    doc.Outline = doc.Paper.DefaultOutline();
    layout.canvas = QSize(doc.Outline.PaperWidth(), doc.Outline.PaperHeight());
    doc.Place = {0.0f, 0.0f, float(layout.canvas.width()), float(layout.canvas.height())};
    doc.PlaceOutline = doc.Outline.PaperPoint;
    doc.PictureImage = QImage(32, 32, QImage::Format_RGB32);
    doc.PictureImage.fill(Qt::darkGreen);
    const QString file = dir.filePath(QStringLiteral("piece.quorvane"));
    ASSERT_FALSE(SaveLayout(layout, file));
    const LayoutRead read = LoadLayout(file);
    ASSERT_TRUE(read.layout) << read.error.toStdString();
    EXPECT_EQ(read.layout->doc.Paper.Grid, doc.Paper.Grid);
    ASSERT_EQ(RunCli({"generate", "--layout", file, "-o", dir.filePath(QStringLiteral("piece.png"))}).exitCode, 0);
    EXPECT_GE(SheetPictures(dir, QStringLiteral("piece")).size(), 1);
}

} // namespace
