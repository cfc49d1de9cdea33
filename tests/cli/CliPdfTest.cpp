// quorvane-cli's printable outputs: a PDF page of the paper's size, the setup sheet after it,
// and the marks drawn onto the page.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "core/shell/Paper.h"
#include "support/PdfFacts.h"

using namespace quorvane;

namespace {

// Page 1 is the format's size (on its side for upright) with the page's pixels at 144 dpi;
// page 2 the upright format with the bar 10 cm long as printed and the figures `setup`
// prints for the same camera.
TEST(CliPdf, PageAtTheFormatsSizeThenTheSetupSheetWithATenCentimetreBar)
{
    const struct {
        QStringList options;
        Paper paper;
        QSizeF points; // the first page
    } rows[] = {{{}, Paper{}, {595.3, 841.9}},
                {{"--paper", "letter", "--distance", "90", "--angle=-20"}, Paper{PaperFormat::Letter}, {612.0, 792.0}},
                {{"--paper", "a3", "--style", "upright"}, Paper{PaperFormat::A3, PaperLayout::Upright}, {1190.6, 841.9}}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.options.join(' ').toStdString());
        const ProgramRun run = RunCli(QStringList{"generate", "-o", pdf, "--setup-sheet"} + row.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const std::vector<QSizeF> sizes = PdfPageSizes(pdf);
        ASSERT_EQ(sizes.size(), 2u);
        EXPECT_NEAR(sizes[0].width(), row.points.width(), 0.5);
        EXPECT_NEAR(sizes[0].height(), row.points.height(), 0.5);
        const QSizeF upright = Paper{row.paper.Format}.PageSizeMm() / 25.4 * 72.0;
        EXPECT_NEAR(sizes[1].width(), upright.width(), 0.5);
        EXPECT_NEAR(sizes[1].height(), upright.height(), 0.5);
        const QSize pixels = *row.paper.PageSize(144);
        const std::vector<QStringList> images = PdfImages(pdf);
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].mid(3, 2), QStringList({QString::number(pixels.width()), QString::number(pixels.height())}));
        EXPECT_EQ(images[0][12], QStringLiteral("144"));

        // 300 dpi: a pixel is 0.085 mm.
        const QImage sheet = PdfPixels(pdf, 2, 300);
        ASSERT_FALSE(sheet.isNull());
        EXPECT_NEAR(LongestDarkRun(sheet) * 25.4 / 300.0, 100.0, 0.5);

        const ProgramRun setup = RunCli(QStringList{"setup"} + row.options);
        const QJsonObject eye = QJsonDocument::fromJson(setup.out).object()["eye"].toObject();
        const QString text = QString::fromUtf8(
            RunProgram(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", "-layout", pdf, "-"}).out);
        EXPECT_TRUE(text.contains(QStringLiteral("This bar must measure 10.0 cm"))) << text.toStdString();
        for (const char* axis : {"right", "back", "up"}) {
            const QString cm = QString::number(std::abs(eye[axis].toDouble()), 'f', 1) + QStringLiteral(" cm");
            EXPECT_TRUE(text.contains(cm)) << axis << ": " << text.toStdString();
        }
    }
}

// --marks draws onto the page made, away from the marks it is the plain page. The setup
// sheet needs a PDF to go in.
TEST(CliPdf, MarksReachThePageAndTheSetupSheetNeedsAPdf)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    const QString marked = dir.filePath(QStringLiteral("marked.png"));
    ASSERT_EQ(RunCli({"generate", "--default-paper", "-o", plain}).exitCode, 0);
    ASSERT_EQ(RunCli({"generate", "--default-paper", "-o", marked, "--marks"}).exitCode, 0);
    const QImage before(plain);
    const QImage after(marked);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NE(after, before);
    EXPECT_LT(qGray(after.pixel(0, after.height() / 2)), 128); // a fold tick
    const QRect middle(0, after.height() / 4, after.width(), after.height() / 4 - 5); // above the fold, away from corners
    EXPECT_EQ(after.copy(middle), before.copy(middle));

    const ProgramRun run = RunCli({"generate", "--default-paper", "-o", plain, "--setup-sheet"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("--setup-sheet needs a PDF output")) << run.err.toStdString();
    EXPECT_EQ(QImage(plain), before);
}

} // namespace
