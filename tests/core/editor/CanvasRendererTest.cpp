#include <gtest/gtest.h>

#include <array>
#include <vector>

#include <QPainter>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/PaperFitting.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLightGrey = 0xFFF6F6F6;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// A picture whose left half is red and right half blue, so a mirrored drawing shows.
QImage TwoColourPicture()
{
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, 20, 20, Qt::red);
    return picture;
}

struct CanvasFixture : testing::Test {
    CanvasFixture()
    {
        renderer.Resize(QSize(853, 480));
        ResetPaper(doc, paper, QSizeF(853, 480), true);
    }
    void Draw(Placement rect, Decorations decorations = Decorations::None)
    {
        renderer.DrawCanvas(doc, paper, rect, decorations);
    }
    QRgb Pixel(int x, int y) const { return renderer.BackBuffer().pixel(x, y); }
    bool IsBackground(int x, int y) const
    {
        const QRgb p = Pixel(x, y);
        return qRed(p) == qGreen(p) + 1 || (qRed(p) < 0xEC && qRed(p) > 0x92 && p != kLightGrey);
    }

    Document doc;
    CanvasPaper paper;
    int refreshes = 0;
    CanvasRenderer renderer{[this] { ++refreshes; }};
};

} // namespace

TEST_F(CanvasFixture, EachStyleDrawsItsSheets)
{
    // Colours inside CanvasQuadA and CanvasQuadB; 0 stands for the background showing.
    struct Row { const char* name; PaperLayout layout; QRgb standing, lying; };
    const std::array<Row, 3> rows{{{"L-fold", PaperLayout::LFold, kWhite, kLightGrey},
                                   {"flat", PaperLayout::Flat, 0, kWhite},
                                   {"upright", PaperLayout::Upright, kWhite, 0}}};
    for (const Row& row : rows) {
        doc.Paper.Layout = row.layout;
        Draw({});
        for (auto [at, colour] : {std::pair{QPoint(350, 150), row.standing}, std::pair{QPoint(420, 380), row.lying}}) {
            if (colour == 0)
                EXPECT_TRUE(IsBackground(at.x(), at.y())) << row.name;
            else
                EXPECT_EQ(Pixel(at.x(), at.y()), colour) << row.name;
        }
    }
    EXPECT_TRUE(IsBackground(40, 40));
    EXPECT_EQ(refreshes, 3); // each redraw is shown once
}

// Reversed corners draw unmirrored and no taller, transparent parts show the paper, a
// rectangle far past the canvas still draws; the document is never written to.
TEST_F(CanvasFixture, PictureFillsItsRectangle)
{
    QImage clear(10, 10, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    struct Row { const char* name; QImage picture; Placement rect; std::vector<std::pair<QPoint, QRgb>> pixels; };
    const Row rows[] = {
        {"reversed", TwoColourPicture(), {300, 200, 100, 50},
         {{{110, 60}, kRed}, {{290, 190}, kBlue}, {{290, 200}, kWhite}}}, // the paper just below
        {"transparent", clear, {300, 100, 400, 200}, {{{350, 150}, kWhite}}},
        {"far larger", TwoColourPicture(), {-100, -100, 40000, 20000}, {{{10, 10}, kRed}, {{840, 470}, kRed}}},
    };
    for (const Row& row : rows) {
        doc.PictureImage = row.picture;
        const Document before = doc;
        Draw(row.rect);
        for (const auto& [at, colour] : row.pixels)
            EXPECT_EQ(Pixel(at.x(), at.y()), colour) << row.name << " at " << at.x() << "," << at.y();
        EXPECT_EQ(doc, before) << row.name;
    }
}

TEST_F(CanvasFixture, GripsAreDrawnOnlyWhenAsked)
{
    doc.Paper.Layout = PaperLayout::None;
    const QRgb black = qRgb(0, 0, 0);
    Draw({100, 100, 300, 200}, Decorations::FrameAndGrips);
    for (const QPoint centre : {QPoint(100, 100), QPoint(200, 100), QPoint(300, 100), QPoint(300, 150),
                                QPoint(300, 200), QPoint(200, 200), QPoint(100, 200), QPoint(100, 150)})
        EXPECT_EQ(Pixel(centre.x() - 3, centre.y() + 1), black) << centre.x() << "," << centre.y();
    Draw({100, 100, 300, 200}, Decorations::Frame);
    EXPECT_NE(Pixel(97, 101), black);
}
