// quorvane-cli print through the test spooler (scripts/with-cups.sh), whose generic PDF
// printer keeps 36 pt of margin at the top and bottom of its paper and takes no A3.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "support/SpooledPdf.h"

namespace {

// A page of `size` recording `dpi`: red and blue quarters, all over it or inside a white inch.
QString SavePage(const QTemporaryDir& dir, const QString& name, QSize size, double dpi, bool fullBleed)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int inch = fullBleed ? 0 : int(dpi);
    const QRect inked = page.rect().adjusted(inch, inch, -inch, -inch);
    QPainter painter(&page);
    painter.fillRect(QRect(inked.topLeft(), inked.size() / 2), Qt::red);
    painter.fillRect(QRect(inked.center(), inked.size() / 2), Qt::blue);
    painter.end();
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    EXPECT_TRUE(page.save(dir.filePath(name)));
    return dir.filePath(name);
}

ProgramRun Print(const QString& page, const QString& queue, const QStringList& more = {})
{
    QFile::remove(SpooledPdf(queue));
    // A display named or not, the tool prints without one.
    return RunCli(QStringList{"print", page, "--printer", queue} + more, EnvironmentWith({"DISPLAY=:77"}));
}

// Each page on its paper at its own resolution on the sheet, or shrunk by the scale stated;
// the margin warning only for ink under the printer's margin, and the page still prints.
TEST(CliPrint, PagesPrintAtTheirOwnSizeOnTheirOwnPaperOrTheOneNamed)
{
    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    QTemporaryDir dir;
    const char* const margin = "quorvane-cli: warning: at actual size part of the page falls into the printer's "
                               "unprintable margin and will be missing from the print; --fit shrinks it to 91.4 %\n";
    const struct {
        const char* name;
        QSize pixels;
        double dpi;
        bool fullBleed;
        const char* queue;
        QStringList options;
        QSizeF sheet; // points, as the spooler's PDF holds it
        double ppi;   // on the sheet
        int pages;
        const char* says;
    } rows[] = {
        {"letter-300.png", {2550, 3300}, 300, false, "pdf-letter", {}, {612, 792}, 300, 1, ""},
        {"a3-upright.png", {2381, 1684}, 144, false, "pdf-a3", {}, {841.89, 1190.55}, 144, 1, ""},
        {"a4-600.jpg", {4961, 7016}, 600, false, "pdf-c", {}, {595.28, 841.89}, 600, 1, ""},
        {"a4-on-letter.png", {1190, 1684}, 144, true, "pdf-letter", {"--paper", "letter"}, {612, 792}, 144, 1, ""},
        {"a4.png", {1190, 1684}, 144, true, "pdf-c", {}, {595.28, 841.89}, 144, 1, margin},
        {"odd.png", {1000, 700}, 100, false, "pdf-c", {"--paper=a4"}, {595.28, 841.89}, 100, 1, ""},
        // The height limits: the printer's 770 pt (806 - 36) of the page's 3508 / 300 * 72 pt.
        {"a4-300.png", {2480, 3508}, 300, true, "pdf-c", {"--fit", "--copies", "3"}, {595.28, 841.89},
         300 / (770 / (3508 / 300.0 * 72)), 3, "quorvane-cli: printing at 91.5 % of actual size\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString queue = QString::fromLatin1(row.queue);
        const ProgramRun run = Print(SavePage(dir, QString::fromLatin1(row.name), row.pixels, row.dpi, row.fullBleed),
                                     queue, row.options);
        EXPECT_EQ(run.exitCode, 0);
        if (!QByteArray(row.says).isEmpty() || !row.fullBleed) { // Letter paper cuts at other heights
            EXPECT_EQ(run.err.toStdString(), row.says);
        }
        ASSERT_TRUE(WaitForSpooledPdf(queue));
        const PdfFacts pdf = ReadPdf(SpooledPdf(queue));
        EXPECT_EQ(pdf.pages, row.pages);
        EXPECT_NEAR(pdf.pageSize.width(), row.sheet.width(), 0.5);
        EXPECT_NEAR(pdf.pageSize.height(), row.sheet.height(), 0.5);
        ASSERT_EQ(pdf.imagePpi.size(), row.pages);
        EXPECT_EQ(pdf.imagePixels[0], row.pixels);
        // pdfimages gives whole pixels per inch: 1 % of the resolution, at least half a pixel.
        EXPECT_NEAR(pdf.imagePpi[0].width(), row.ppi, std::max(0.6, row.ppi / 100));
        EXPECT_NEAR(pdf.imagePpi[0].height(), row.ppi, std::max(0.6, row.ppi / 100));
    }
}

// Exit 3 with the reason when the printer is gone, refuses the job or lacks the page's
// paper; exit 2 for a page whose printed size is unknown; nothing reaches the spooler.
TEST(CliPrint, PrintersThatCannotPrintThePageAndPagesOfNoKnownSize)
{
    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    QTemporaryDir dir;
    const QString a4 = SavePage(dir, QStringLiteral("a4.png"), {1190, 1684}, 144, false);
    RunTool("cupsreject", {"pdf-b"});
    const ProgramRun refused = Print(a4, QStringLiteral("pdf-b"));
    RunTool("cupsaccept", {"pdf-b"});
    const struct {
        ProgramRun run;
        int exitCode;
        const char* says;
    } rows[] = {
        {Print(a4, QStringLiteral("gone")), 3, "quorvane-cli: The printer \"gone\" is not installed.\n"},
        {refused, 3, "quorvane-cli: The printer \"pdf-b\" refused the job: "},
        {Print(SavePage(dir, QStringLiteral("a3.png"), {1684, 2381}, 144, false), QStringLiteral("pdf-c")), 3,
         "quorvane-cli: The printer \"pdf-c\" cannot take A3 paper, the page's format.\n"},
        {Print(SavePage(dir, QStringLiteral("odd.png"), {1000, 700}, 100, false), QStringLiteral("pdf-a")), 2,
         "1000 x 700 pixels is the size of no page of A4, US Letter or A3"},
        {RunCli({"print", "page.png"}), 1, "print needs a printer: --printer NAME"},
        {RunCli({"print", "a.png", "--printer", "p", "--copies", "0"}), 1, "--copies must be a whole number from 1 to 99"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.run.exitCode, row.exitCode) << row.says;
        EXPECT_TRUE(row.run.err.contains(row.says)) << row.run.err.toStdString();
    }
    QThread::msleep(300);
    for (const char* queue : {"pdf-a", "pdf-b", "pdf-c"})
        EXPECT_FALSE(QFile::exists(SpooledPdf(QString::fromLatin1(queue)))) << queue;
}

} // namespace
