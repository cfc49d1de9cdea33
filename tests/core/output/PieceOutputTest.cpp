// A grid's page written as its sheets: the PDF's pages, the sheet pictures, and a sheet that
// cannot be written.
#include "core/output/PieceOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include "support/PdfFacts.h"

namespace quorvane {
namespace {

// A 2 x 2 piece of A4 at 144 dpi with something on every sheet but C1 R2.
struct Piece {
    Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2, 10.0}};
    QImage page;
    PieceSheets sheets;

    Piece()
    {
        const GridOnPage grid = *paper.GridAt(144);
        page = QImage(grid.Assembled(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        for (const QPoint sheet : {QPoint(0, 0), QPoint(1, 0), QPoint(1, 1)}) {
            const QRect rect = grid.SheetRect(sheet.x(), sheet.y());
            painter.fillRect(QRect(rect.center(), QSize(200, 100)), QColor(30, 60 + 80 * sheet.x(), 90));
        }
        painter.end();
        sheets = *PieceSheetsOf(page, paper, 144);
    }
};

TEST(PieceOutput, PdfHoldsTheAssemblySheetThenEveryPrintedSheetOnTheFormat)
{
    const Piece piece;
    ASSERT_EQ(piece.sheets.printed.size(), 3u);
    ASSERT_EQ(piece.sheets.skipped.size(), 1u);
    EXPECT_EQ(SheetLabel(piece.sheets.skipped.front()), QStringLiteral("C1 R2"));
    EXPECT_FALSE(PieceSheetsOf(piece.page, piece.paper, 300)); // not the page at that resolution

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("piece.pdf"));
    ASSERT_EQ(WritePieceSheets(piece.page, piece.sheets, QStringLiteral("Camera: here"), pdf).status,
              WriteStatus::Written);
    EXPECT_EQ(PdfPageSizes(pdf), std::vector<QSizeF>(4, QSizeF(595, 842)));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(PdfPixels(pdf, i + 2, 0, true).convertToFormat(QImage::Format_RGB32),
                  PrintedSheet(piece.page, piece.sheets, piece.sheets.printed[size_t(i)]))
            << i;
    }
}

// Each printed sheet is a picture named after it; when one cannot be written the message
// names it and tells how far the set got, and the sheets after it are not written.
TEST(PieceOutput, SheetPicturesAreNumberedAndAFailedSheetIsNamed)
{
    const Piece piece;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("page.png"));
    ASSERT_EQ(WritePieceSheets(piece.page, piece.sheets, {}, name).status, WriteStatus::Written);
    const QStringList files = SheetFileNames(piece.sheets, name);
    EXPECT_EQ(files, QStringList({dir.filePath(QStringLiteral("page-C1-R1.png")),
                                  dir.filePath(QStringLiteral("page-C2-R1.png")),
                                  dir.filePath(QStringLiteral("page-C2-R2.png"))}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    const QImage second(files[1]);
    EXPECT_EQ(second.convertToFormat(QImage::Format_RGB32),
              PrintedSheet(piece.page, piece.sheets, piece.sheets.printed[1]));
    EXPECT_EQ(second.dotsPerMeterX(), DotsPerMeter(144));

    const QString other = dir.filePath(QStringLiteral("other.bmp"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("other-C2-R1.bmp")));
    const WriteResult failed = WritePieceSheets(piece.page, piece.sheets, {}, other);
    EXPECT_EQ(failed.status, WriteStatus::WriteFailed);
    EXPECT_TRUE(failed.message.contains(QStringLiteral("other-C2-R1.bmp"))
                && failed.message.endsWith(
                    QStringLiteral("Sheets saved: 1 of 3; sheet C2 R1 and the 1 after it were not saved.")))
        << failed.message.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("other-C1-R1.bmp"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("other-C2-R2.bmp"))));
}

} // namespace
} // namespace quorvane
