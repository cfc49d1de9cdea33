#include <gtest/gtest.h>

#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPaper.h"

using namespace quorvane;

namespace {

// The default paper, fitted once into the start-up canvas.
struct Fitted {
    explicit Fitted(double PageStyle = kStyleLFold)
    {
        SetDefaultPaper(doc);
        doc.PageStyle = PageStyle;
        Fit(QSizeF(853, 480), false);
    }
    void Fit(QSizeF canvas, bool KeepPlacement) { ResetPaper(doc, paper, canvas, KeepPlacement); }

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
    // The first fit measures against the paper's width: an all-zero placement lands on corner 0.
    EXPECT_EQ(f.doc.Place, (Placement{173, 80, 173, 80}));
}

TEST(ResetPaper, PlacementFollowsThePaperAboutCornerZero)
{
    struct Row { const char* name; double PageStyle; Placement start; QSizeF canvas; Placement expected; };
    const Row rows[] = {
        // Offset 327.5 rounds to even: 328.
        {"unchanged canvas only rounds", kStyleLFold, {300.4f, 120.6f, 500.5f, 360}, {853, 480}, {300, 121, 501, 360}},
        {"canvas grows", kStyleLFold, {273, 80, 373, 180}, {1706, 960}, {545.71753f, 160, 745.43506f, 359.71753f}},
        {"flat measures the far edge", kStyleFlat, {223, 80, 223, 80}, {1706, 960}, {446.1488f, 160, 446.1488f, 160}},
    };
    for (const Row& row : rows) {
        Fitted f(row.PageStyle);
        f.doc.Place = row.start;
        f.Fit(row.canvas, false);
        EXPECT_FLOAT_EQ(f.doc.Place.SelX1, row.expected.SelX1) << row.name;
        EXPECT_FLOAT_EQ(f.doc.Place.SelY1, row.expected.SelY1) << row.name;
        EXPECT_FLOAT_EQ(f.doc.Place.SelX2, row.expected.SelX2) << row.name;
        EXPECT_FLOAT_EQ(f.doc.Place.SelY2, row.expected.SelY2) << row.name;
    }
}

TEST(ResetPaper, KeepPlacementLeavesTheRectangleWhereItIs)
{
    Fitted f;
    f.doc.Place = {250.25f, 1, 400.75f, 2};
    SetPaper(f.doc, Outline{{{0, 0}, {300, 0}, {300, 200}, {300, 400}, {0, 400}, {0, 200}}});
    f.Fit(QSizeF(853, 480), true);
    EXPECT_EQ(f.doc.Place, (Placement{250.25f, 1, 400.75f, 2}));
    EXPECT_EQ(f.paper.CanvasQuadB[0], f.paper.CanvasOutline[5]);
}

TEST(ResetPaper, NothingToMeasureAgainstKeepsThePlacement)
{
    // A vertical reference edge (corner 0 and 1 share x) cannot scale anything.
    Document doc;
    CanvasPaper paper;
    SetPaper(doc, Outline{{{100, 0}, {100, 50}, {200, 100}, {300, 300}, {0, 300}, {0, 100}}});
    ResetPaper(doc, paper, QSizeF(853, 480), true);
    doc.Place = {10, 20, 110, 220};
    ResetPaper(doc, paper, QSizeF(900, 500), false);
    EXPECT_EQ(doc.Place, (Placement{10, 20, 110, 220}));

    doc.PageStyle = 5.0; // a style that selects no paper
    ResetPaper(doc, paper, QSizeF(853, 480), false);
    EXPECT_EQ(doc.Place, (Placement{10, 20, 110, 220}));

    Document degenerate; // no paper at all: nothing changes
    CanvasPaper none;
    degenerate.Place.SelX1 = 5;
    ResetPaper(degenerate, none, QSizeF(853, 480), false);
    EXPECT_EQ(none.CanvasOutline, Outline{});
    EXPECT_EQ(degenerate.Place.SelX1, 5.0f);
}
