#include <gtest/gtest.h>

#include <array>

#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPaper.h"

using namespace quorvane;

namespace {

using Sel = std::array<float, 4>; // SelX1, SelY1, SelX2, SelY2

void Place(DocumentState& doc, Sel sel)
{
    doc.SelX1 = sel[0], doc.SelY1 = sel[1], doc.SelX2 = sel[2], doc.SelY2 = sel[3];
}

Sel Placement(const DocumentState& doc)
{
    return {doc.SelX1, doc.SelY1, doc.SelX2, doc.SelY2};
}

// The default paper, fitted once into the start-up canvas.
DocumentState FittedDocument(double PageStyle = kStyleLFold)
{
    DocumentState doc;
    SetDefaultPaper(doc);
    doc.PageStyle = PageStyle;
    ResetPaper(doc, QSizeF(853, 480), false);
    return doc;
}

} // namespace

TEST(ResetPaper, FitsTheDefaultPaperIntoTheStartUpCanvas)
{
    const DocumentState doc = FittedDocument();
    const Outline expected{{{173, 80}, {527, 12}, {522, 263}, {680, 364}, {321, 468}, {186, 348}}};
    EXPECT_EQ(doc.CanvasOutline, expected);
    EXPECT_EQ(doc.CanvasQuadA, (Quad{{{173, 80}, {527, 12}, {522, 263}, {186, 348}}}));
    EXPECT_EQ(doc.CanvasQuadB, (Quad{{{186, 348}, {522, 263}, {680, 364}, {321, 468}}}));
    // The first fit measures against the paper's width: an all-zero placement lands on corner 0.
    EXPECT_EQ(Placement(doc), (Sel{173, 80, 173, 80}));
}

TEST(ResetPaper, SecondFitOnAnUnchangedCanvasOnlyRoundsTheOffsets)
{
    DocumentState doc = FittedDocument();
    Place(doc, {300.4f, 120.6f, 500.5f, 360}); // offset 327.5 rounds to even: 328
    ResetPaper(doc, QSizeF(853, 480), false);
    EXPECT_EQ(Placement(doc), (Sel{300, 121, 501, 360}));
}

TEST(ResetPaper, PlacementFollowsThePaperWhenTheCanvasGrows)
{
    DocumentState doc = FittedDocument();
    Place(doc, {273, 80, 373, 180}); // 100 right of corner 0 on a reference edge of 354 pixels
    ResetPaper(doc, QSizeF(1706, 960), false);
    const QPoint corner = doc.CanvasOutline[0];
    const double r = double(doc.CanvasOutline[1].x() - corner.x()) / 354.0;
    EXPECT_FLOAT_EQ(doc.SelX1, float(100 * r + corner.x()));
    EXPECT_FLOAT_EQ(doc.SelY2, float(100 * r + corner.y()));
    EXPECT_FLOAT_EQ(doc.SelX2 - doc.SelX1, float(100 * r));
}

TEST(ResetPaper, FlatStyleMeasuresAlongTheLyingSheetsFarEdge)
{
    DocumentState doc = FittedDocument(kStyleFlat);
    const QPoint corner = doc.CanvasOutline[0];
    Place(doc, {corner.x() + 50.0f, float(corner.y()), corner.x() + 50.0f, float(corner.y())});
    ResetPaper(doc, QSizeF(1706, 960), false);
    const double r = double(doc.CanvasOutline[5].x() - doc.CanvasOutline[2].x()) / (186 - 522);
    EXPECT_FLOAT_EQ(doc.SelX1, float(50 * r + doc.CanvasOutline[0].x()));
}

TEST(ResetPaper, KeepPlacementLeavesTheRectangleWhereItIs)
{
    DocumentState doc = FittedDocument();
    Place(doc, {250.25f, 1, 400.75f, 2});
    SetPaper(doc, Outline{{{0, 0}, {300, 0}, {300, 200}, {300, 400}, {0, 400}, {0, 200}}});
    ResetPaper(doc, QSizeF(853, 480), true);
    EXPECT_EQ(Placement(doc), (Sel{250.25f, 1, 400.75f, 2}));
    EXPECT_EQ(doc.CanvasQuadB[0], doc.CanvasOutline[5]);
}

TEST(ResetPaper, NothingToMeasureAgainstKeepsThePlacement)
{
    // A vertical reference edge (corner 0 and 1 share x) cannot scale anything.
    DocumentState doc;
    SetPaper(doc, Outline{{{100, 0}, {100, 50}, {200, 100}, {300, 300}, {0, 300}, {0, 100}}});
    ResetPaper(doc, QSizeF(853, 480), true);
    Place(doc, {10, 20, 110, 220});
    ResetPaper(doc, QSizeF(900, 500), false);
    EXPECT_EQ(Placement(doc), (Sel{10, 20, 110, 220}));

    doc.PageStyle = 5.0; // a style that selects no paper
    ResetPaper(doc, QSizeF(853, 480), false);
    EXPECT_EQ(Placement(doc), (Sel{10, 20, 110, 220}));

    DocumentState degenerate; // no paper at all: nothing changes
    degenerate.SelX1 = 5;
    ResetPaper(degenerate, QSizeF(853, 480), false);
    EXPECT_EQ(degenerate.CanvasOutline, Outline{});
    EXPECT_EQ(degenerate.SelX1, 5.0f);
}
