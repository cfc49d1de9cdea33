#include <gtest/gtest.h>

#include <array>

#include <QPainter>

#include "core/editor/CanvasRenderer.h"
#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPaper.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLightGrey = 0xFFF6F6F6;

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
        SetDefaultPaper(doc);
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
    struct Row { const char* name; double PageStyle; QRgb standing, lying; };
    const std::array<Row, 3> rows{{{"L-fold", kStyleLFold, kWhite, kLightGrey},
                                   {"flat", kStyleFlat, 0, kWhite},
                                   {"upright", kStyleUpright, kWhite, 0}}};
    for (const Row& row : rows) {
        doc.PageStyle = row.PageStyle;
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

TEST_F(CanvasFixture, BackgroundRunsFromLightToMidGreyOverTheScreenHeightAndRepeats)
{
    renderer.SetScreenHeight(400);
    doc.PageStyle = 0;
    Draw({});
    EXPECT_EQ(Pixel(5, 0), 0xFFECEBEB);
    EXPECT_LT(qRed(Pixel(5, 390)), 0x98);
    EXPECT_GT(qRed(Pixel(5, 405)), 0xE8); // the gradient starts again below the screen height
}

TEST_F(CanvasFixture, ReversedCornersDrawThePictureUnmirrored)
{
    SetPicture(doc, TwoColourPicture(), {});
    const Document before = doc;
    Draw({300, 200, 100, 50});
    EXPECT_EQ(Pixel(110, 60), qRgb(255, 0, 0));  // left part red
    EXPECT_EQ(Pixel(290, 190), qRgb(0, 0, 255)); // right part blue
    EXPECT_NE(Pixel(100, 201), qRgb(0, 0, 255)); // nothing below the rectangle's bottom
    EXPECT_EQ(doc, before);
}

TEST_F(CanvasFixture, TransparentPartsOfThePictureShowThePaper)
{
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    SetPicture(doc, picture, {});
    Draw({300, 100, 400, 200});
    EXPECT_EQ(Pixel(350, 150), kWhite);
}

TEST_F(CanvasFixture, GripsAreSixPixelSquaresAroundTheEightPointsOverTheDottedFrame)
{
    doc.PageStyle = 0;
    const QRgb black = qRgb(0, 0, 0);
    const QPoint centres[] = {{100, 100}, {200, 100}, {300, 100}, {300, 150},
                              {300, 200}, {200, 200}, {100, 200}, {100, 150}};
    Draw({100, 100, 300, 200}, Decorations::FrameAndGrips);
    for (const QPoint centre : centres) {
        EXPECT_EQ(Pixel(centre.x() - 3, centre.y() + 1), black) << centre.x() << "," << centre.y();
        EXPECT_EQ(Pixel(centre.x() + 3, centre.y() - 1), black) << centre.x() << "," << centre.y();
        EXPECT_NE(Pixel(centre.x() + 1, centre.y() + 1), black) << centre.x() << "," << centre.y();
    }
    Draw({100, 100, 300, 200}, Decorations::Frame);
    EXPECT_NE(Pixel(97, 101), black); // no grips
    int dots = 0;
    for (int x = 110; x < 190; ++x)
        dots += Pixel(x, 100) == black;
    EXPECT_GT(dots, 20); // a dotted top edge
    EXPECT_LT(dots, 60);
    EXPECT_EQ(refreshes, 2);
}

TEST_F(CanvasFixture, PictureFarLargerThanTheCanvasStillDraws)
{
    SetPicture(doc, TwoColourPicture(), {});
    Draw({-100, -100, 40000, 20000});
    EXPECT_EQ(Pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(Pixel(840, 470), qRgb(255, 0, 0));
}
