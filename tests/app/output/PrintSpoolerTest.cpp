// The print dialog, and printing through a real spooler: scripts/with-cups.sh runs a private
// CUPS daemon whose queues pdf-a, pdf-b (the default), pdf-c (A4) and pdf-letter write each
// job to $QUORVANE_CUPS_OUT/<queue>.pdf.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include "app/common/BusyCursor.h"
#include "app/output/FormPrint.h"
#include "core/output/PrintableArea.h"
#include "support/ModalWatcher.h"
#include "support/RunProgram.h"

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
    ShowPrintDialog(nullptr, page, Paper{}, {}, {});
    EXPECT_EQ(box.Seen().text, QStringLiteral("Printer not found"));
}

QString RunTool(const char* program, const QStringList& arguments)
{
    return QString::fromLocal8Bit(RunProgram(QString::fromLatin1(program), arguments).out).trimmed();
}

QString OutputOf(const QString& queue)
{
    return qEnvironmentVariable("QUORVANE_CUPS_OUT") + QLatin1Char('/') + queue + QStringLiteral(".pdf");
}

// Quarters red, green, blue and yellow: top-left, top-right, bottom-left, bottom-right.
QImage QuarteredPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    QPainter painter(&page);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return page;
}

// The dialog lists the queues in the spooler's order with its default selected (not the first,
// which tells the two apart); each style keeps its shape in the printable area under its job name.
TEST(Printing, ListsTheQueuesAndEachStyleKeepsItsShapeInThePrintableArea)
{
    if (qEnvironmentVariableIsEmpty("QUORVANE_CUPS_OUT"))
        GTEST_SKIP() << "needs the test spooler: run under scripts/with-cups.sh";
    const QStringList queues = RunTool("lpstat", {"-e"}).split(QLatin1Char('\n'));
    const QString fallback = RunTool("lpstat", {"-d"}).section(QLatin1Char(':'), 1).trimmed();
    ASSERT_GT(queues.indexOf(fallback), 0);
    // A landscape page reaches the upright paper turned a quarter counter-clockwise: its
    // top edge runs down the paper's left side. Colours as seen on the paper: TL TR BL BR.
    // On Letter paper the printable area is wider for its height than the page.
    const struct {
        const char* queue;
        PaperLayout layout;
        QSize page;
        Qt::GlobalColor quarters[4];
        const char* savedPath;
        const char* title;
    } rows[] = {{"pdf-c", PaperLayout::Upright, {1684, 1190}, {Qt::green, Qt::yellow, Qt::red, Qt::blue}, "/tmp/a/standing.png",
                 "standing.png"},
                {"pdf-letter", PaperLayout::LFold, {1190, 1684}, {Qt::red, Qt::green, Qt::blue, Qt::yellow}, "", "Quorvane page"}};
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.queue);
        const QString queue = QString::fromLatin1(row.queue), out = OutputOf(queue);
        ModalWatcher<FormPrint> watcher([&](FormPrint& form) {
            QStringList listed;
            for (int i = 0; i < form.Combo1->count(); ++i)
                listed << form.Combo1->itemText(i);
            EXPECT_EQ(listed, queues);
            EXPECT_EQ(form.Combo1->currentText(), fallback);
            form.Combo1->setCurrentIndex(form.Combo1->findText(queue));
            form.CmdPrint->click();
        });
        const int busy = BusyCursor::ShownCount();
        const Paper sheet{PaperFormat::A4, row.layout};
        ShowPrintDialog(nullptr, QuarteredPage(row.page.width(), row.page.height()), sheet,
                        QString::fromLatin1(row.savedPath));
        ASSERT_EQ(watcher.Seen(), 1);
        EXPECT_EQ(BusyCursor::ShownCount(), busy + 1); // while the page goes to the spooler
        const auto printed = [&] { return QFile::exists(out) && RunTool("lpstat", {"-o", queue}).isEmpty(); };
        for (int wait = 0; wait < 300 && !printed(); ++wait)
            QThread::msleep(100);
        const QString info = RunTool("pdfinfo", {out});
        EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1\n")));
        EXPECT_TRUE(info.contains(QStringLiteral("Title:           ") + QString::fromLatin1(row.title)))
            << qPrintable(info);
        const QString png = dir.filePath(queue);
        RunTool("pdftoppm", {"-r", "72", "-png", "-singlefile", out, png});
        const QImage paper(png + QStringLiteral(".png")); // a pixel a point
        ASSERT_LT(paper.width(), paper.height());

        // The printer's margins, reported for the upright paper, bound the printable area;
        // the page, upright on the paper in both orientations, is as large as fits, centred.
        QPageLayout layout = QPrinter(QPrinterInfo::printerInfo(queue)).pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QRectF area = QRectF(QPointF(0, 0), QSizeF(paper.size())).marginsRemoved(layout.minimumMargins());
        ASSERT_GT(area.left() + area.top(), 0) << "a queue without margins cannot show the printable area";
        const QRect fitted = FitKeepingShape(QSizeF(1190, 1684), area).toRect();
        QRect ink;
        for (int y = 0; y < paper.height(); ++y)
            for (int x = 0; x < paper.width(); ++x)
                if (qGray(paper.pixel(x, y)) < 230)
                    ink |= QRect(x, y, 1, 1);
        EXPECT_LE((ink.topLeft() - fitted.topLeft()).manhattanLength(), 2) << ink.x() << "," << ink.y();
        EXPECT_LE((ink.bottomRight() - fitted.bottomRight()).manhattanLength(), 2) << ink.right();
        for (int i = 0; i < 4; ++i) { // the middle of each quarter
            const QPoint middle(fitted.width() * (1 + i % 2 * 2) / 4, fitted.height() * (1 + i / 2 * 2) / 4);
            const QRgb seen = paper.pixel(fitted.topLeft() + middle), want = QColor(row.quarters[i]).rgb();
            const int off = qAbs(qRed(seen) - qRed(want)) + qAbs(qGreen(seen) - qGreen(want));
            EXPECT_LT(off + qAbs(qBlue(seen) - qBlue(want)), 90) << i;
        }
    }
}

} // namespace
} // namespace quorvane
