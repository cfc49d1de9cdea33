#include <gtest/gtest.h>

#include <cmath>

#include "core/editor/PlacementEditor.h"

using namespace quorvane;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
const QSizeF kCanvas(800, 500);

struct EditorFixture : testing::Test {
    EditorFixture()
    {
        doc.PictureImage = QImage(8, 8, QImage::Format_ARGB32_Premultiplied);
        doc.PictureImage.fill(kRed);
        renderer.Resize(kCanvas.toSize());
        Place(100, 100, 300, 200);
    }
    void Place(float x1, float y1, float x2, float y2)
    {
        doc.SelX1 = x1, doc.SelY1 = y1, doc.SelX2 = x2, doc.SelY2 = y2;
        doc.SelShown = true;
    }
    std::optional<PointerShape> Hover(float x, float y) { return editor.Move(MouseButtons::None, x, y, kCanvas); }
    int16_t ZoneAt(float x, float y)
    {
        Hover(x, y);
        return doc.HitZone;
    }
    // Hover, press, drag to the release point, release.
    void DragGrip(float fromX, float fromY, float toX, float toY)
    {
        Hover(fromX, fromY);
        editor.Press(MouseButtons::Left, fromX, fromY);
        editor.Move(MouseButtons::Left, toX, toY, kCanvas);
        editor.Release(MouseButtons::Left, toX, toY, kCanvas);
    }
    void ExpectPlacement(float x1, float y1, float x2, float y2) const
    {
        EXPECT_EQ(doc.SelX1, x1);
        EXPECT_EQ(doc.SelY1, y1);
        EXPECT_EQ(doc.SelX2, x2);
        EXPECT_EQ(doc.SelY2, y2);
    }
    bool IsPicture(int x, int y) const { return renderer.BackBuffer().pixel(x, y) == kRed; }

    DocumentState doc;
    int refreshes = 0;
    CanvasRenderer renderer{[this] { ++refreshes; }};
    PlacementEditor editor{doc, renderer};
};

} // namespace

TEST_F(EditorFixture, EachGripShowsItsPointerAndAnchorsTheOppositeSide)
{
    struct Row { float x, y; int16_t zone; PointerShape pointer; float anchorX, anchorY; };
    const Row rows[] = {
        {100, 100, 1, PointerShape::DiagonalNwSe, 300, 200}, {299, 199, 2, PointerShape::DiagonalNwSe, 100, 100},
        {300, 100, 3, PointerShape::DiagonalNeSw, 100, 200}, {100, 200, 4, PointerShape::DiagonalNeSw, 300, 100},
        {200, 100, 5, PointerShape::Vertical, 100, 200},     {200, 200, 6, PointerShape::Vertical, 100, 100},
        {300, 150, 7, PointerShape::Horizontal, 100, 100},   {100, 150, 8, PointerShape::Horizontal, 300, 100},
        {200, 150, 9, PointerShape::Move, 200, 150},         {50, 50, 0, PointerShape::Arrow, 50, 50},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Hover(row.x, row.y), row.pointer) << row.zone;
        EXPECT_EQ(doc.HitZone, row.zone);
        editor.Press(MouseButtons::Left, row.x, row.y);
        EXPECT_EQ(editor.Points().AnchorX, row.anchorX) << row.zone;
        EXPECT_EQ(editor.Points().AnchorY, row.anchorY) << row.zone;
    }
}

TEST_F(EditorFixture, GripsAreOpenThreePixelSquaresAndEdgesOutsideThemAreNoZone)
{
    EXPECT_EQ(ZoneAt(102.9f, 102.9f), 1);
    EXPECT_EQ(ZoneAt(103.0f, 102.9f), 9); // inside, no longer the grip
    EXPECT_EQ(ZoneAt(102.9f, 103.0f), 9);
    EXPECT_EQ(ZoneAt(97.0f, 100.0f), 0);
    EXPECT_EQ(Hover(150, 100), PointerShape::Arrow); // on the top edge, between grips
    EXPECT_EQ(doc.HitZone, 0);
    EXPECT_EQ(ZoneAt(300, 130), 0);

    Place(100, 100, 104, 200); // narrower than a grip: corners before edges, right before left
    EXPECT_EQ(ZoneAt(102, 100), 1);
    EXPECT_EQ(ZoneAt(101.5f, 101), 1);
    EXPECT_EQ(ZoneAt(102, 150), 7);
}

TEST_F(EditorFixture, CornerResizeCommitsTheReleasePointNormalised)
{
    DragGrip(299, 199, 350, 260);
    ExpectPlacement(100, 100, 350, 260);
    EXPECT_TRUE(doc.SelShown);

    Place(100, 100, 300, 200);
    DragGrip(299, 199, 50, 40); // across the anchor: right and bottom become the old left and top
    ExpectPlacement(50, 40, 100, 100);
}

TEST_F(EditorFixture, EdgeResizeChangesOnlyItsAxis)
{
    DragGrip(300, 150, 400, 30);
    ExpectPlacement(100, 100, 400, 200);
    EXPECT_EQ(editor.Points().DragY, 150.0f); // a side grip never follows the pointer vertically

    DragGrip(100, 150, 500, 480); // left edge dragged past the right one
    ExpectPlacement(400, 100, 500, 200);
    DragGrip(450, 100, 0, 490); // top edge dragged below the bottom
    ExpectPlacement(400, 200, 500, 490);
}

TEST_F(EditorFixture, ResizeReleasedOffTheCanvasLandsOnItsBorder)
{
    DragGrip(300, 200, 950, 620);
    ExpectPlacement(100, 100, 800, 500);
    DragGrip(800, 500, -40, std::nanf(""));
    ExpectPlacement(0, 0, 100, 100);
}

TEST_F(EditorFixture, MoveKeepsTheSizeAndStopsWhereThePreviewStopped)
{
    DragGrip(200, 150, 220, 170);
    ExpectPlacement(120, 120, 320, 220);

    // Released far outside: the grabbed point stays on the canvas, as in the last preview.
    DragGrip(200, 150, -500, 900);
    ExpectPlacement(-80, 470, 120, 570);
    EXPECT_TRUE(IsPicture(5, 495));
}

TEST_F(EditorFixture, DragRedrawsThePictureInTheRoundedRectangleWithoutGrips)
{
    Hover(299, 199);
    editor.Press(MouseButtons::Left, 299, 199);
    editor.Move(MouseButtons::Left, 150.5f, 160.5f, kCanvas);
    EXPECT_FALSE(doc.SelShown);
    EXPECT_TRUE(IsPicture(101, 101));
    EXPECT_TRUE(IsPicture(149, 159)); // 150.5 and 160.5 round to the even 150 and 160
    EXPECT_FALSE(IsPicture(151, 161));
    EXPECT_FALSE(IsPicture(250, 180));
    ExpectPlacement(100, 100, 300, 200); // nothing committed before the release
}

TEST_F(EditorFixture, ClickOnAGripMovesItWithoutRedrawing)
{
    Hover(299, 199);
    editor.Press(MouseButtons::Left, 299, 199);
    editor.Release(MouseButtons::Left, 301, 198, kCanvas);
    ExpectPlacement(100, 100, 301, 198);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(EditorFixture, OtherButtonsAndPreviewModeChangeNothing)
{
    Hover(200, 150);
    editor.Press(MouseButtons::Right, 200, 150);
    editor.Move(MouseButtons::Left | MouseButtons::Right, 250, 250, kCanvas);
    editor.Move(MouseButtons::Middle, 250, 250, kCanvas);
    editor.Release(MouseButtons::Right, 250, 250, kCanvas);
    ExpectPlacement(100, 100, 300, 200);
    EXPECT_EQ(refreshes, 0);

    doc.SelShown = false; // preview mode
    doc.HitZone = 0;
    EXPECT_EQ(Hover(200, 150), std::nullopt);
    DragGrip(200, 150, 250, 250);
    EXPECT_EQ(doc.HitZone, 0);
    ExpectPlacement(100, 100, 300, 200);
    EXPECT_EQ(refreshes, 0);
}
