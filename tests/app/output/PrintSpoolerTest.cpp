// The print dialog, and printing through a real spooler: scripts/with-cups.sh runs a private
// CUPS daemon whose queues pdf-a, pdf-a3 (A3), pdf-b (the default), pdf-c (A4) and pdf-letter
// write each job to $QUORVANE_CUPS_OUT/<queue>.pdf. The generic PDF printer keeps 18 pt of
// margin at the sides of its paper and 36 pt at top and bottom, and takes no A3.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/common/BusyCursor.h"
#include "app/output/FormPrint.h"
#include "app/output/SaveResult.h"
#include "core/designer/CameraSetup.h"
#include "support/Files.h"
#include "support/ModalWatcher.h"
#include "support/SpooledPdf.h"

namespace quorvane {
namespace {

// The spooler's default among the printers is selected, else the first (the spooler test
// below has a default other than the first); with no printer a message shows instead.
TEST(FormPrint, WithoutTheDefaultTheFirstPrinterIsSelectedAndWithoutPrintersAMessageShows)
{
    const QStringList printers = {QStringLiteral("Office"), QStringLiteral("Plotter"), QStringLiteral("Label")};
    const QImage page(1190, 1684, QImage::Format_RGB32);
    for (const QString& absent : {QStringLiteral("plotter"), QStringLiteral("Gone"), QString()})
        EXPECT_EQ(FormPrint(nullptr, page, Paper{}, printers, absent).Combo1->currentIndex(), 0);
    MessageBoxWatcher box; // a print dialog instead would fail the test
    ShowPrintDialog(nullptr, page, Paper{}, QStringList(), QString());
    EXPECT_EQ(box.Seen().text, QStringLiteral("Printer not found"));
}

// Quarters red, green, blue and yellow: top-left, top-right, bottom-left, bottom-right.
QImage QuarteredPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    const int w = size.width(), h = size.height();
    QPainter painter(&page);
    painter.fillRect(0, 0, w / 2, h / 2, Qt::red);
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    painter.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
    return page;
}

// Prints `page` through the dialog on `queue`, after `setUp` has set the dialog's controls;
// the dialog as it showed the printer, before printing.
struct DialogSeen {
    QStringList listed;
    QString selected; // at first
    QString check;
    QString fit;
    bool fitOffered = false;
    bool printOffered = false;
};

DialogSeen PrintThroughDialog(const QString& queue, const QImage& page, const Paper& paper,
                              const std::function<void(FormPrint&)>& setUp = {}, const QString& savedPath = {},
                              const std::optional<CameraSetup>& setup = std::nullopt)
{
    DialogSeen seen;
    QFile::remove(SpooledPdf(queue));
    ModalWatcher<FormPrint> watcher([&](FormPrint& form) {
        for (int i = 0; i < form.Combo1->count(); ++i)
            seen.listed << form.Combo1->itemText(i);
        seen.selected = form.Combo1->currentText();
        form.Combo1->setCurrentIndex(form.Combo1->findText(queue));
        seen = {seen.listed, seen.selected, form.LabelCheck->text(), form.CheckFit->text(), form.CheckFit->isEnabled(), form.CmdPrint->isEnabled()};
        if (setUp)
            setUp(form);
        if (form.CmdPrint->isEnabled())
            form.CmdPrint->click();
        else
            form.CmdClose->click();
    });
    ShowPrintDialog(nullptr, page, paper, savedPath, setup);
    EXPECT_EQ(watcher.Seen(), 1);
    return seen;
}

// Whether the printed sheet is near `want` at a share of its width and height.
bool ColourNear(const QImage& sheet, double x, double y, Qt::GlobalColor want)
{
    const QRgb seen = sheet.pixel(int(x * sheet.width()), int(y * sheet.height())), w = QColor(want).rgb();
    return qAbs(qRed(seen) - qRed(w)) + qAbs(qGreen(seen) - qGreen(w)) + qAbs(qBlue(seen) - qBlue(w)) < 90;
}

// The dialog lists the queues in the spooler's order with its default selected (not the
// first, which tells the two apart). Each format reaches the spooler on its own paper with
// the page's pixels at the page's own resolution: at actual size, not scaled by the
// spooler. The standing sheet's page is printed on its side; the parts of these full-bleed
// pages under the printer's margin are announced before printing.
TEST(Printing, EachFormatPrintsAtActualSizeOnItsOwnPaper)
{
    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    const QStringList queues = RunTool("lpstat", {"-e"}).split(QLatin1Char('\n'));
    const QString fallback = RunTool("lpstat", {"-d"}).section(QLatin1Char(':'), 1).trimmed();
    ASSERT_GT(queues.indexOf(fallback), 0);

    // A landscape page reaches the upright paper turned a quarter counter-clockwise: its
    // top edge runs down the paper's left side. Colours as seen on the paper: TL TR BL BR.
    const struct {
        const char* queue;
        Paper paper;
        QSize page;
        QSizeF sheet; // points
        Qt::GlobalColor quarters[4];
        const char* savedPath;
        const char* title;
    } rows[] = {
        {"pdf-c", {PaperFormat::A4, PaperLayout::Upright}, {1684, 1190}, {595.28, 841.89},
         {Qt::green, Qt::yellow, Qt::red, Qt::blue}, "/tmp/a/standing.png", "standing.png"},
        {"pdf-letter", {PaperFormat::Letter, PaperLayout::LFold}, {1224, 1584}, {612, 792},
         {Qt::red, Qt::green, Qt::blue, Qt::yellow}, "", "Quorvane page"},
        {"pdf-a3", {PaperFormat::A3, PaperLayout::Flat}, {1684, 2381}, {841.89, 1190.55},
         {Qt::red, Qt::green, Qt::blue, Qt::yellow}, "", "Quorvane page"},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        const QString queue = QString::fromLatin1(row.queue), out = SpooledPdf(queue);
        SCOPED_TRACE(row.queue);
        const int busy = BusyCursor::ShownCount();
        const DialogSeen seen = PrintThroughDialog(queue, QuarteredPage(row.page), row.paper, {},
                                                   QString::fromLatin1(row.savedPath));
        EXPECT_EQ(seen.listed, queues);
        EXPECT_EQ(seen.selected, fallback);
        EXPECT_TRUE(seen.fitOffered) << qPrintable(seen.check);
        EXPECT_TRUE(seen.check.contains(QStringLiteral("unprintable margin"))) << qPrintable(seen.check);
        EXPECT_EQ(BusyCursor::ShownCount(), busy + 1); // while the page goes to the spooler
        ASSERT_TRUE(WaitForSpooledPdf(queue));
        const PdfFacts pdf = ReadPdf(out);
        EXPECT_EQ(pdf.pages, 1);
        EXPECT_NEAR(pdf.pageSize.width(), row.sheet.width(), 0.5);
        EXPECT_NEAR(pdf.pageSize.height(), row.sheet.height(), 0.5);
        ASSERT_EQ(pdf.imagePpi.size(), 1);
        EXPECT_EQ(pdf.imagePixels[0], row.page);
        EXPECT_NEAR(pdf.imagePpi[0].width(), 144.0, 1.44);
        EXPECT_NEAR(pdf.imagePpi[0].height(), 144.0, 1.44);
        EXPECT_TRUE(RunTool("pdfinfo", {out}).contains(QStringLiteral("Title:           ") + QString::fromLatin1(row.title)));

        // The page covers the sheet, centred: each quarter in its own quarter of the paper.
        const QString png = dir.filePath(queue);
        RunTool("pdftoppm", {"-r", "72", "-png", "-singlefile", out, png});
        const QImage sheet(png + QStringLiteral(".png"));
        ASSERT_LT(sheet.width(), sheet.height());
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(ColourNear(sheet, 0.25 + 0.5 * (i % 2), 0.25 + 0.5 * (i / 2), row.quarters[i])) << i;
        EXPECT_TRUE(ColourNear(sheet, 0.02, 0.02, row.quarters[0])); // up to the corners
        EXPECT_TRUE(ColourNear(sheet, 0.98, 0.98, row.quarters[3]));
    }
}

// Fit shrinks the page alike in both directions by the scale the dialog states; copies
// reach the spooler; a paper the printer lacks, a printer that has gone and a job the
// spooler refuses are each told to the user, never printed on something else.
TEST(Printing, FitCopiesAndPrintersThatCannotPrintThePage)
{
    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    const QImage page = QuarteredPage({1190, 1684});
    int previewPages = 0;
    const DialogSeen fitted = PrintThroughDialog(QStringLiteral("pdf-c"), page, Paper{}, [&](FormPrint& form) {
        form.CheckFit->setChecked(true);
        form.SpinCopies->setValue(2);
        ModalWatcher<QPrintPreviewDialog> preview([&](QPrintPreviewDialog& dialog) {
            previewPages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
            dialog.reject();
        });
        form.CmdPreview->click();
    });
    EXPECT_EQ(previewPages, 1);
    // The height limits: the printer's 770 pt (806 - 36) over the page's 842 pt.
    EXPECT_EQ(fitted.fit, QStringLiteral("Fit to printable area (91.4 %)"));
    ASSERT_TRUE(WaitForSpooledPdf(QStringLiteral("pdf-c")));
    const PdfFacts pdf = ReadPdf(SpooledPdf(QStringLiteral("pdf-c")));
    EXPECT_EQ(pdf.pages, 2);
    ASSERT_FALSE(pdf.imagePpi.isEmpty()); // pdfimages gives whole pixels per inch
    EXPECT_NEAR(pdf.imagePpi[0].width(), 144.0 / (770.0 / 842), 0.6);
    EXPECT_NEAR(pdf.imagePpi[0].height(), 144.0 / (770.0 / 842), 0.6);

    // The generic printer takes no A3: the dialog says so and offers no Print.
    const DialogSeen a3 = PrintThroughDialog(QStringLiteral("pdf-c"), QuarteredPage({1684, 2381}),
                                             Paper{PaperFormat::A3, PaperLayout::LFold});
    EXPECT_FALSE(a3.printOffered);
    EXPECT_EQ(a3.check, QStringLiteral("The printer \"pdf-c\" cannot take A3 paper, the page's format."));

    // Listed but gone: the dialog says so. Refusing jobs when Print is pressed: an error.
    ModalWatcher<FormPrint> gone([](FormPrint& form) {
        EXPECT_EQ(form.LabelCheck->text(), QStringLiteral("The printer \"Gone\" is not installed."));
        EXPECT_FALSE(form.CmdPrint->isEnabled());
        form.Combo1->setCurrentIndex(1);
        RunTool("cupsreject", {"pdf-a"});
        MessageBoxWatcher box;
        form.CmdPrint->click();
        RunTool("cupsaccept", {"pdf-a"});
        EXPECT_EQ(box.Seen().title, QStringLiteral("Error"));
        EXPECT_TRUE(box.Seen().text.startsWith(QStringLiteral("The page was not printed. The printer \"pdf-a\" refused")))
            << qPrintable(box.Seen().text);
    });
    QFile::remove(SpooledPdf(QStringLiteral("pdf-a")));
    ShowPrintDialog(nullptr, page, Paper{}, {QStringLiteral("Gone"), QStringLiteral("pdf-a")}, QStringLiteral("Gone"));
    EXPECT_EQ(gone.Seen(), 1);
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(SpooledPdf(QStringLiteral("pdf-a"))));
}

// With a camera the dialog offers the setup sheet: checked, it is a second sheet of the
// page's paper whose bar prints 10 cm long, and the
// choice is remembered for the next print. Without a camera it is not offered.
TEST(Printing, TheSetupSheetPrintsAfterThePageAtActualSize)
{
    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    const Paper paper{PaperFormat::Letter, PaperLayout::LFold};
    const CameraSetup setup = SetupOf(paper, paper.DefaultCamera());
    const QString queue = QStringLiteral("pdf-letter");
    QImage page(*paper.PageSize(144), QImage::Format_RGB32);
    page.fill(Qt::white);
    bool offered = false, preset = true;
    PrintThroughDialog(queue, page, paper, [&](FormPrint& form) {
        offered = !form.CheckSetup->isHidden();
        preset = form.CheckSetup->isChecked();
        form.CheckSetup->setChecked(true);
    }, {}, setup);
    EXPECT_TRUE(offered);
    EXPECT_FALSE(preset);
    ASSERT_TRUE(WaitForSpooledPdf(queue));
    const QString out = SpooledPdf(queue);
    const std::vector<QSizeF> sizes = PdfPageSizes(out);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[1].width(), 612.0, 0.5);
    EXPECT_NEAR(sizes[1].height(), 792.0, 0.5);
    EXPECT_NEAR(LongestDarkRun(PdfPixels(out, 2, 300)) * 25.4 / 300.0, 100.0, 0.5);

    PrintThroughDialog(queue, page, paper, [&](FormPrint& form) {
        preset = form.CheckSetup->isChecked();
        form.CheckSetup->setChecked(false);
    }, {}, setup);
    EXPECT_TRUE(preset);
    PrintThroughDialog(queue, page, paper, [&](FormPrint& form) {
        offered = !form.CheckSetup->isHidden();
    });
    EXPECT_FALSE(offered);
}

// A 2 x 2 piece saves as a PDF of its assembly sheet and printed sheets without the setup
// sheet's question, and as a picture per printed sheet, asking once before replacing any. It
// prints as one job of the same pages on the format, copies each complete.
TEST(Printing, APieceSavesAndPrintsAsItsAssemblySheetThenItsSheets)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    const Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2, 10.0}};
    const CameraSetup setup = SetupOf(paper, paper.DefaultCamera());
    QImage page(*paper.PageSize(144), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).fillRect(0, 0, page.width(), page.height() / 3, Qt::darkCyan); // on the top row only
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    // Saves as `name`; what was saved and any question asked after the file dialog (answered No).
    const auto save = [&](const QString& name) {
        std::unique_ptr<MessageBoxWatcher> question;
        ModalWatcher<QFileDialog> watcher([&](QFileDialog& dialog) {
            ChooseFile(dialog, dir.filePath(name));
            question = std::make_unique<MessageBoxWatcher>(QMessageBox::No);
        });
        const SavedPage saved = SaveResult(nullptr, folder, page, 144, setup);
        return std::pair(saved, question && question->Seen().shown ? question->Seen().text : QString());
    };
    const auto [pdf, pdfAsked] = save(QStringLiteral("piece.pdf"));
    EXPECT_EQ(pdf.note, QStringLiteral("Saved the assembly sheet and 2 sheets in piece.pdf"));
    EXPECT_EQ(PdfPageSizes(pdf.path), std::vector<QSizeF>(3, QSizeF(595, 842)));
    const auto [pictures, picturesAsked] = save(QStringLiteral("piece.png"));
    EXPECT_EQ(pictures.note, QStringLiteral("Saved 2 sheets: piece-C1-R1.png to piece-C2-R1.png"));
    EXPECT_TRUE(pdfAsked.isEmpty() && picturesAsked.isEmpty()) << qPrintable(pdfAsked + picturesAsked);
    ASSERT_TRUE(WriteFileBytes(dir.filePath(QStringLiteral("piece-C1-R1.png")), "kept"));
    const auto [refused, asked] = save(QStringLiteral("piece.png"));
    EXPECT_TRUE(refused.path.isEmpty());
    EXPECT_EQ(asked,
              QStringLiteral("Sheet files that exist already: 2 of 2 (piece-C1-R1.png, piece-C2-R1.png). Replace them?"));
    EXPECT_EQ(ReadFileBytes(dir.filePath(QStringLiteral("piece-C1-R1.png"))), "kept");

    if (!HaveTestSpooler())
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const SpoolerTurn turn;
    bool setupOffered = true;
    const DialogSeen seen = PrintThroughDialog(QStringLiteral("pdf-c"), page, paper, [&](FormPrint& form) {
        setupOffered = !form.CheckSetup->isHidden();
        form.SpinCopies->setValue(2);
    }, {}, setup);
    EXPECT_FALSE(setupOffered);
    EXPECT_TRUE(seen.check.startsWith(QStringLiteral("3 sheets, the assembly sheet first."))) << qPrintable(seen.check);
    ASSERT_TRUE(WaitForSpooledPdf(QStringLiteral("pdf-c")));
    const QString out = SpooledPdf(QStringLiteral("pdf-c"));
    EXPECT_EQ(PdfPageSizes(out), std::vector<QSizeF>(6, QSizeF(595, 842)));
    QStringList imagePages; // the sheets' images, at actual size, after each assembly sheet
    for (const QStringList& image : PdfImages(out)) {
        imagePages << image[0];
        EXPECT_EQ(QSize(image[3].toInt(), image[4].toInt()), QSize(1190, 1684));
        EXPECT_NEAR(image[12].toDouble(), 144.0, 1.44);
    }
    EXPECT_EQ(imagePages, QStringList({"2", "3", "5", "6"}));
}

} // namespace
} // namespace quorvane
