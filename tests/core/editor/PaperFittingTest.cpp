#include <gtest/gtest.h>

#include <vector>

#include "core/editor/PaperFitting.h"

using namespace quorvane;

namespace {

// The default paper, fitted once into the start-up canvas.
struct Fitted {
    explicit Fitted(PaperLayout layout = PaperLayout::LFold)
    {
        doc.Paper.Layout = layout;
        Fit(QSizeF(853, 480), false);
    }
    void Fit(QSizeF canvas, bool KeepPlacement) { ResetPaper(doc, paper, canvas, KeepPlacement); }
    void Place(const Placement& onCanvas) { SetPlacement(doc, paper, onCanvas); }
    Placement OnCanvas() const { return PlacementOnCanvas(doc, paper); }

    Document doc;
    CanvasPaper paper;
};

} // namespace

TEST(ResetPaper, FitsTheDefaultPaperIntoTheStartUpCanvas)
{
    const Fitted f;
    const Outline expected{{{173, 80}, {527, 12}, {522, 263}, {680, 364}, {321, 468}, {186, 348}}};
    EXPECT_EQ(f.paper.CanvasOutline, expected);
    EXPECT_EQ(f.paper.CanvasQuadA, (Quad{{{173, 80}, {527, 12}, {522, 263}, {186, 348}}}));
    EXPECT_EQ(f.paper.CanvasQuadB, (Quad{{{186, 348}, {522, 263}, {680, 364}, {321, 468}}}));
}

TEST(ResetPaper, PlacementFollowsThePaperAboutCornerZero)
{
    struct Row { const char* name; PaperLayout layout; Placement start; QSizeF canvas; Placement expected; };
    const Row rows[] = {
        {"unchanged canvas changes nothing", PaperLayout::LFold, {300.4f, 120.6f, 500.5f, 360}, {853, 480},
         {300.4f, 120.6f, 500.5f, 360}},
        {"canvas grows", PaperLayout::LFold, {273, 80, 373, 180}, {1706, 960}, {545.71753f, 160, 745.43506f, 359.71753f}},
        {"flat measures the far edge", PaperLayout::Flat, {223, 80, 223, 80}, {1706, 960}, {446.1488f, 160, 446.1488f, 160}},
    };
    for (const Row& row : rows) {
        Fitted f(row.layout);
        f.Place(row.start);
        f.Fit(row.canvas, false);
        const Placement p = f.OnCanvas();
        EXPECT_FLOAT_EQ(p.SelX1, row.expected.SelX1) << row.name;
        EXPECT_FLOAT_EQ(p.SelY1, row.expected.SelY1) << row.name;
        EXPECT_FLOAT_EQ(p.SelX2, row.expected.SelX2) << row.name;
        EXPECT_FLOAT_EQ(p.SelY2, row.expected.SelY2) << row.name;
    }
}

TEST(ResetPaper, AnySequenceOfResizesBackToTheSameCanvasGivesThePlacementBackBitForBit)
{
    struct Row { const char* name; std::vector<QSizeF> sizes; };
    std::vector<QSizeF> twentySteps;
    for (int step = 1; step <= 20; ++step)
        twentySteps.push_back(QSizeF(853 - 30 * step, 480 - 17 * step));
    for (int step = 19; step >= 0; --step)
        twentySteps.push_back(QSizeF(853 - 30 * step, 480 - 17 * step));
    const Row rows[] = {{"down in twenty steps and back", twentySteps},
                        {"the smallest window and back", {QSizeF(1, 1), QSizeF(853, 480)}}};
    for (const Row& row : rows) {
        Fitted f;
        const Placement narrow{300.3f, 120.7f, 303.1f, 333.9f}; // a narrow picture, off the pixel grid
        f.Place(narrow);
        for (const QSizeF size : row.sizes) {
            f.Fit(size, false);
            EXPECT_GT(f.OnCanvas().SelX2, f.OnCanvas().SelX1) << row.name << " at " << size.width();
        }
        EXPECT_EQ(f.OnCanvas(), narrow) << row.name;
    }
}

TEST(ResetPaper, KeepPlacementLeavesTheRectangleWhereItIs)
{
    Fitted f;
    f.Place({250.25f, 1, 400.75f, 2});
    f.doc.Outline.PaperPoint = {{{0, 0}, {300, 0}, {300, 200}, {300, 400}, {0, 400}, {0, 200}}};
    f.Fit(QSizeF(853, 480), true);
    EXPECT_EQ(f.OnCanvas(), (Placement{250.25f, 1, 400.75f, 2}));
    EXPECT_EQ(f.doc.PlaceOutline, f.paper.CanvasOutline); // measured against the new fit now
    EXPECT_EQ(f.paper.CanvasQuadB[0], f.paper.CanvasOutline[5]);
}

TEST(ResetPaper, NothingToMeasureAgainstKeepsThePlacement)
{
    // A vertical reference edge (corner 0 and 1 share x) cannot scale anything.
    Document doc;
    CanvasPaper paper;
    doc.Outline.PaperPoint = {{{100, 0}, {100, 50}, {200, 100}, {300, 300}, {0, 300}, {0, 100}}};
    ResetPaper(doc, paper, QSizeF(853, 480), true);
    SetPlacement(doc, paper, {10, 20, 110, 220});
    ResetPaper(doc, paper, QSizeF(900, 500), false);
    EXPECT_EQ(PlacementOnCanvas(doc, paper), (Placement{10, 20, 110, 220}));

    Document degenerate; // no paper at all: nothing changes
    degenerate.Outline.PaperPoint = {};
    CanvasPaper none;
    degenerate.Place.SelX1 = 5;
    ResetPaper(degenerate, none, QSizeF(853, 480), false);
    EXPECT_EQ(none.CanvasOutline, Outline{});
    EXPECT_EQ(degenerate.Place.SelX1, 5.0f);
}
