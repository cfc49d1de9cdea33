#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "core/editor/PlacementEditor.h"

using namespace quorvane;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
const QSizeF kCanvas(800, 500);
using Sel = Placement;
constexpr Sel kStart{100, 100, 300, 200};

struct EditorFixture : testing::Test {
    EditorFixture()
    {
        doc.PictureImage = QImage(8, 8, QImage::Format_ARGB32_Premultiplied);
        doc.PictureImage.fill(kRed);
        renderer.Resize(kCanvas.toSize());
        Place(kStart);
    }
    void Place(Sel sel)
    {
        doc.Place = sel;
        state.SelShown = true;
    }
    Sel Placed() const { return doc.Place; }
    std::optional<PointerShape> Hover(float x, float y) { return editor.Move(MouseButtons::None, x, y, kCanvas); }
    int16_t ZoneAt(float x, float y)
    {
        Hover(x, y);
        return state.HitZone;
    }
    // Hover, press, drag to the release point, release.
    void DragGrip(float fromX, float fromY, float toX, float toY, bool keepShape = false)
    {
        Hover(fromX, fromY);
        editor.Press(MouseButtons::Left, fromX, fromY);
        editor.Move(MouseButtons::Left, toX, toY, kCanvas, keepShape);
        editor.Release(MouseButtons::Left, toX, toY, kCanvas, keepShape);
    }
    bool IsPicture(int x, int y) const { return renderer.BackBuffer().pixel(x, y) == kRed; }

    Document doc;
    CanvasPaper paper;
    EditorState state;
    int refreshes = 0;
    CanvasRenderer renderer{[this] { ++refreshes; }};
    PlacementEditor editor{doc, paper, state, renderer};
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
        EXPECT_EQ(state.HitZone, row.zone);
        editor.Press(MouseButtons::Left, row.x, row.y);
        EXPECT_EQ(editor.Points().AnchorX, row.anchorX) << row.zone;
        EXPECT_EQ(editor.Points().AnchorY, row.anchorY) << row.zone;
    }
}

TEST_F(EditorFixture, GripsAreOpenThreePixelSquaresAndEdgesOutsideThemAreNoZone)
{
    EXPECT_EQ(ZoneAt(102.9f, 102.9f), 1);
    EXPECT_EQ(ZoneAt(103.0f, 102.9f), 9); // inside, no longer the grip
    EXPECT_EQ(ZoneAt(97.0f, 100.0f), 0);
    EXPECT_EQ(ZoneAt(150, 100), 0); // on the top edge, between grips
    EXPECT_EQ(ZoneAt(300, 130), 0);

    Place({100, 100, 104, 200}); // narrower than a grip: corners before edges, right before left
    EXPECT_EQ(ZoneAt(101.5f, 101), 1);
    EXPECT_EQ(ZoneAt(102, 150), 7);
}

TEST_F(EditorFixture, DragsCommitTheReleasePointNormalisedAndClampedToTheCanvas)
{
    struct Row { const char* name; Sel start; QPointF from, to; Sel expected; bool keepShape = false; };
    const float nan = std::nanf("");
    doc.PictureImage = doc.PictureImage.scaled(16, 8); // Shift keeps its proportions (2:1), not the rectangle's
    const std::array<Row, 12> rows{{
        {"corner", kStart, {299, 199}, {350, 260}, {100, 100, 350, 260}},
        {"corner across the anchor", kStart, {299, 199}, {50, 40}, {50, 40, 100, 100}},
        {"Shift: the longer side wins", kStart, {299, 199}, {350, 260}, {100, 100, 420, 260}, true},
        {"Shift across the anchor", kStart, {299, 199}, {50, 40}, {-20, 40, 100, 100}, true},
        {"Shift leaves an edge grip alone", kStart, {300, 150}, {400, 30}, {100, 100, 400, 200}, true},
        {"edge keeps the other axis", kStart, {300, 150}, {400, 30}, {100, 100, 400, 200}},
        {"left edge past the right", {100, 100, 400, 200}, {100, 150}, {500, 480}, {400, 100, 500, 200}},
        {"top edge below the bottom", {400, 100, 500, 200}, {450, 100}, {0, 490}, {400, 200, 500, 490}},
        {"resize released off the canvas", kStart, {300, 200}, {950, 620}, {100, 100, 800, 500}},
        {"resize released at no number", {100, 100, 800, 500}, {800, 500}, {-40, nan}, {0, 0, 100, 100}},
        {"move keeps the size", kStart, {200, 150}, {220, 170}, {120, 120, 320, 220}},
        // Released far outside: the grabbed point stays on the canvas, as in the last preview.
        {"move stops where the preview stopped", {120, 120, 320, 220}, {200, 150}, {-500, 900}, {-80, 470, 120, 570}},
    }};
    for (const Row& row : rows) {
        Place(row.start);
        DragGrip(row.from.x(), row.from.y(), row.to.x(), row.to.y(), row.keepShape);
        EXPECT_EQ(Placed(), row.expected) << row.name;
        EXPECT_TRUE(state.SelShown) << row.name;
    }
    EXPECT_TRUE(IsPicture(5, 495)); // the last move drew the picture at its clamped place
}

TEST_F(EditorFixture, DragRedrawsThePictureInTheRoundedRectangleWithoutGrips)
{
    Hover(299, 199);
    editor.Press(MouseButtons::Left, 299, 199);
    editor.Move(MouseButtons::Left, 150.5f, 160.5f, kCanvas);
    EXPECT_EQ(refreshes, 1); // one redraw, shown once
    EXPECT_FALSE(state.SelShown);
    EXPECT_TRUE(IsPicture(101, 101));
    EXPECT_FALSE(IsPicture(151, 161));
    EXPECT_EQ(Placed(), kStart); // nothing committed before the release
}

TEST_F(EditorFixture, ClickOnAGripMovesItWithoutRedrawingAndArrowKeysWaitForTheRelease)
{
    Hover(299, 199);
    editor.Press(MouseButtons::Left, 299, 199);
    editor.Nudge(1, 0);
    EXPECT_EQ(Placed(), kStart);
    editor.Release(MouseButtons::Left, 301, 198, kCanvas);
    EXPECT_EQ(Placed(), (Sel{100, 100, 301, 198}));
    EXPECT_EQ(refreshes, 0);
    editor.Nudge(1, 0);
    EXPECT_EQ(Placed(), (Sel{101, 100, 302, 198}));
}

TEST_F(EditorFixture, OtherButtonsAndPreviewModeChangeNothing)
{
    Hover(200, 150);
    editor.Press(MouseButtons::Right, 200, 150);
    editor.Move(MouseButtons::Left | MouseButtons::Right, 250, 250, kCanvas);
    editor.Move(MouseButtons::Middle, 250, 250, kCanvas);
    editor.Release(MouseButtons::Right, 250, 250, kCanvas);
    EXPECT_EQ(Placed(), kStart);
    EXPECT_EQ(refreshes, 0);

    state.SelShown = false; // preview mode
    state.HitZone = 0;
    EXPECT_EQ(Hover(200, 150), std::nullopt);
    DragGrip(200, 150, 250, 250);
    EXPECT_EQ(state.HitZone, 0);
    EXPECT_EQ(Placed(), kStart);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(EditorFixture, CommittedChangesAreReportedWithThePlacementBefore)
{
    std::vector<std::pair<Sel, bool>> commits;
    editor.SetCommitted([&](const Document& before, bool nudge) { commits.push_back({before.Place, nudge}); });

    editor.Nudge(-10, 0);
    EXPECT_EQ(Placed(), kStart.Shifted(-10, 0));
    EXPECT_TRUE(IsPicture(91, 101)); // drawn at once, with the grips
    EXPECT_TRUE(state.SelShown);
    DragGrip(150, 150, 170, 140); // a move
    DragGrip(310, 190, 310, 190); // a grip pressed and released in place: no change
    state.PreviewMode = true;
    editor.Nudge(0, 1);           // preview mode: no move
    EXPECT_EQ(Placed(), kStart.Shifted(10, -10));

    ASSERT_EQ(commits.size(), 2u);
    EXPECT_EQ(commits[0], std::make_pair(kStart, true));
    EXPECT_EQ(commits[1], std::make_pair(kStart.Shifted(-10, 0), false));
}
