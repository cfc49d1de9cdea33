#include <gtest/gtest.h>

#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPaper.h"

using namespace quorvane;

namespace {

DocumentState DefaultDocument()
{
    DocumentState doc;
    SetDefaultPaper(doc);
    return doc;
}

} // namespace

TEST(ResetPaper, FitsTheDefaultPaperIntoTheStartUpCanvas)
{
    DocumentState doc = DefaultDocument();
    ResetPaper(doc, QSizeF(853, 480), false);

    const Outline expected{{{173, 80}, {527, 12}, {522, 263}, {680, 364}, {321, 468}, {186, 348}}};
    EXPECT_EQ(doc.CanvasOutline, expected);
    const Quad quadA{{{173, 80}, {527, 12}, {522, 263}, {186, 348}}};
    const Quad quadB{{{186, 348}, {522, 263}, {680, 364}, {321, 468}}};
    EXPECT_EQ(doc.CanvasQuadA, quadA);
    EXPECT_EQ(doc.CanvasQuadB, quadB);
    // The first fit measures against the paper's width: an all-zero placement lands on corner 0.
    EXPECT_EQ(doc.SelX1, 173.0f);
    EXPECT_EQ(doc.SelY1, 80.0f);
    EXPECT_EQ(doc.SelX2, 173.0f);
}

TEST(ResetPaper, SecondFitOnAnUnchangedCanvasOnlyRoundsTheOffsets)
{
    DocumentState doc = DefaultDocument();
    ResetPaper(doc, QSizeF(853, 480), false);
    doc.SelX1 = 300.4f;
    doc.SelY1 = 120.6f;
    doc.SelX2 = 500.5f; // offset 327.5 rounds to even: 328
    doc.SelY2 = 360.0f;
    ResetPaper(doc, QSizeF(853, 480), false);
    EXPECT_EQ(doc.SelX1, 300.0f);
    EXPECT_EQ(doc.SelY1, 121.0f);
    EXPECT_EQ(doc.SelX2, 501.0f);
    EXPECT_EQ(doc.SelY2, 360.0f);
}

TEST(ResetPaper, PlacementFollowsThePaperWhenTheCanvasGrows)
{
    DocumentState doc = DefaultDocument();
    ResetPaper(doc, QSizeF(853, 480), false);
    doc.SelX1 = 273; // 100 right of corner 0 on a reference edge of 354 pixels
    doc.SelY1 = 80;
    doc.SelX2 = 373;
    doc.SelY2 = 180;
    ResetPaper(doc, QSizeF(1706, 960), false);

    const QPoint corner = doc.CanvasOutline[0];
    const double r = double(doc.CanvasOutline[1].x() - corner.x()) / 354.0;
    EXPECT_FLOAT_EQ(doc.SelX1, float(100 * r + corner.x()));
    EXPECT_FLOAT_EQ(doc.SelY2, float(100 * r + corner.y()));
    EXPECT_FLOAT_EQ(doc.SelX2 - doc.SelX1, float(100 * r));
}

TEST(ResetPaper, KeepPlacementLeavesTheRectangleWhereItIs)
{
    DocumentState doc = DefaultDocument();
    ResetPaper(doc, QSizeF(853, 480), false);
    doc.SelX1 = 250.25f;
    doc.SelX2 = 400.75f;
    SetPaper(doc, Outline{{{0, 0}, {300, 0}, {300, 200}, {300, 400}, {0, 400}, {0, 200}}});
    ResetPaper(doc, QSizeF(853, 480), true);
    EXPECT_EQ(doc.SelX1, 250.25f);
    EXPECT_EQ(doc.SelX2, 400.75f);
    EXPECT_EQ(doc.CanvasQuadB[0], doc.CanvasOutline[5]);
}

TEST(ResetPaper, ZeroReferenceLengthKeepsThePlacement)
{
    // A vertical reference edge (corner 0 and 1 share x) cannot scale anything.
    DocumentState doc;
    SetPaper(doc, Outline{{{100, 0}, {100, 50}, {200, 100}, {300, 300}, {0, 300}, {0, 100}}});
    ResetPaper(doc, QSizeF(853, 480), true);
    doc.SelX1 = 10;
    doc.SelY1 = 20;
    doc.SelX2 = 110;
    doc.SelY2 = 220;
    ResetPaper(doc, QSizeF(900, 500), false);
    EXPECT_EQ(doc.SelX1, 10.0f);
    EXPECT_EQ(doc.SelY2, 220.0f);

    // So does a style that selects no paper.
    doc.PageStyle = 5.0;
    ResetPaper(doc, QSizeF(853, 480), false);
    EXPECT_EQ(doc.SelX2, 110.0f);
}

TEST(ResetPaper, FlatStyleMeasuresAlongTheLyingSheetsFarEdge)
{
    DocumentState doc = DefaultDocument();
    doc.PageStyle = kStyleFlat;
    ResetPaper(doc, QSizeF(853, 480), false);
    doc.SelX1 = doc.CanvasOutline[0].x() + 50.0f;
    doc.SelY1 = doc.CanvasOutline[0].y();
    doc.SelX2 = doc.SelX1;
    doc.SelY2 = doc.SelY1;
    ResetPaper(doc, QSizeF(1706, 960), false);
    const double r = double(doc.CanvasOutline[5].x() - doc.CanvasOutline[2].x()) / (186 - 522);
    EXPECT_FLOAT_EQ(doc.SelX1, float(50 * r + doc.CanvasOutline[0].x()));
}

TEST(ResetPaper, DegeneratePaperChangesNothing)
{
    DocumentState doc;
    doc.SelX1 = 5;
    ResetPaper(doc, QSizeF(853, 480), false);
    EXPECT_EQ(doc.CanvasOutline, Outline{});
    EXPECT_EQ(doc.SelX1, 5.0f);
}
