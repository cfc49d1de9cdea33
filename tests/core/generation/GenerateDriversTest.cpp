#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/AreaAverage.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapFast.h"

using namespace quorvane;

namespace {

// An L outline of 709 x 31 canvas pixels: the standing sheet is the upper half, the lying
// sheet the lower. Flat, so the buffers stay small. The top edge slopes, as seen from a
// camera: a level top edge on the canvas's top line is never sampled and stays black.
DocumentState FlatDocument(const QImage& picture)
{
    DocumentState doc;
    doc.CanvasOutline = {{{0, 2}, {708, 0}, {708, 15}, {708, 30}, {0, 30}, {0, 15}}};
    doc.PictureImage = picture;
    doc.PictureWidth = picture.width();
    doc.PictureHeight = picture.height();
    doc.SelX1 = -50; // beyond the outline on every side
    doc.SelY1 = -50;
    doc.SelX2 = 760;
    doc.SelY2 = 80;
    return doc;
}

QImage Filled(QColor colour)
{
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

QRgb Centre(const QImage& page, const QRect& area)
{
    return page.pixel(area.center());
}

const QRgb kWhite = qRgb(255, 255, 255);

QImage Striped()
{
    QImage picture(23, 17, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 11, y * 15, (x * y) % 256, (x + y) % 5 == 0 ? 0 : 255));
    }
    return picture;
}

// The page as made with the whole doubled canvas and whole pass results in memory.
QImage PageFromWholeBuffers(DocumentState doc)
{
    const DriverLayout& layout = *DriverLayoutOf(LayoutOf(doc.PageStyle));
    const auto geometry = ComputeSheetGeometry(layout, doc.CanvasOutline);
    if (!geometry)
        return {};
    const QImage canvas = ComposeCanvas(doc, *geometry);
    TransformState gen = *PrepareTransform(canvas, *geometry);
    gen.SrcBits = PixelBuffer::FromImage(canvas, gen.BitsWidth, gen.BitsHeight);
    QImage page(layout.pageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(gen, pass, *geometry);
        TransBitmapFast(gen, doc, {});
        AreaAverageInto(gen.DstBits, page, pass.place);
    }
    return page;
}

} // namespace

// The drivers hold only the canvas and a few rows of each pass; the page is the same.
TEST(GenerateDrivers, PageIsTheOneOfWholeBuffers)
{
    struct Shape {
        double PageStyle;
        Outline outline;
    };
    const Shape shapes[] = {
        {kStyleLFold, {{{3, 2}, {208, 0}, {200, 95}, {214, 170}, {0, 160}, {6, 90}}}},
        {kStyleFlat, {{{0, 0}, {0, 0}, {150, 4}, {170, 60}, {10, 71}, {22, 3}}}},
        {kStyleUpright, {{{0, 0}, {40, 30}, {41, 120}, {41, 120}, {2, 100}, {2, 100}}}},
    };
    for (const Shape& shape : shapes) {
        DocumentState doc = FlatDocument(Striped());
        doc.PageStyle = shape.PageStyle;
        doc.CanvasOutline = shape.outline;
        doc.SelX1 = 7.5f;
        doc.SelY1 = -3.25f;
        const auto result = GenerateForPageStyle(doc, {});
        ASSERT_TRUE(result.has_value());
        ASSERT_EQ(result->status, GenerateStatus::Done) << shape.PageStyle;
        EXPECT_TRUE(result->page == PageFromWholeBuffers(doc)) << shape.PageStyle;
    }
}

TEST(GenerateDrivers, PageSizesAndSheetPlaces)
{
    DocumentState doc = FlatDocument(Filled(Qt::red));
    const GenerateResult both = GenerateBothSheets(doc, {});
    ASSERT_EQ(both.status, GenerateStatus::Done);
    EXPECT_EQ(both.page.size(), QSize(1190, 1684));
    EXPECT_EQ(Centre(both.page, QRect(0, 0, 1190, 842)), qRgb(255, 0, 0));
    EXPECT_EQ(Centre(both.page, QRect(0, 842, 1190, 842)), qRgb(255, 0, 0));
    EXPECT_EQ(doc.GenProgress, 100);

    const GenerateResult b = GenerateSheetB(doc, {});
    EXPECT_EQ(b.page.size(), QSize(1190, 1684));
    EXPECT_EQ(Centre(b.page, b.page.rect()), qRgb(255, 0, 0));

    doc.PageStyle = kStyleUpright;
    const auto a = GenerateForPageStyle(doc, {});
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->page.size(), QSize(1684, 1190));

    doc.PageStyle = 4.0;
    EXPECT_FALSE(GenerateForPageStyle(doc, {}).has_value());
}

TEST(GenerateDrivers, UncoveredAndTransparentPartsComeOutWhite)
{
    // Left half opaque blue, right half fully transparent red.
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(255, 0, 0, 0));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    }
    DocumentState doc = FlatDocument(picture);
    doc.SelX2 = 760 + 810; // the picture's left half covers the whole outline
    const GenerateResult covered = GenerateSheetB(doc, {});
    EXPECT_EQ(Centre(covered.page, covered.page.rect()), qRgb(0, 0, 255));

    doc.SelX1 = 354 - 810; // now its transparent half lies over the right of the outline
    doc.SelX2 = 354 + 810;
    const GenerateResult half = GenerateSheetB(doc, {});
    EXPECT_EQ(half.page.pixel(200, 842), qRgb(0, 0, 255));
    EXPECT_EQ(half.page.pixel(1000, 842), kWhite);

    doc.SelX1 = 800; // beyond the outline: nothing of the picture on the sheet
    doc.SelX2 = 900;
    const GenerateResult none = GenerateSheetB(doc, {});
    EXPECT_EQ(none.page.pixel(595, 842), kWhite);
}

TEST(GenerateDrivers, NoPictureGivesAWhitePage)
{
    DocumentState doc = FlatDocument(QImage());
    const GenerateResult result = GenerateBothSheets(doc, {});
    QImage white(1190, 1684, QImage::Format_RGB32);
    white.fill(kWhite);
    EXPECT_EQ(result.page, white);
}

TEST(GenerateDrivers, StopDuringTheFirstPassGivesNoPage)
{
    DocumentState doc = FlatDocument(Filled(Qt::red));
    int rows = 0;
    const GenerateResult result = GenerateBothSheets(doc, [&] {
        ++rows;
        doc.GenStop = true;
    });
    EXPECT_EQ(result.status, GenerateStatus::Stopped);
    EXPECT_TRUE(result.page.isNull());
    EXPECT_EQ(rows, 1); // the second pass stops at its first sample, before a row ends
    EXPECT_EQ(doc.GenProgress, 0);

    // The next generation clears the request.
    EXPECT_EQ(GenerateSheetB(doc, {}).status, GenerateStatus::Done);
}

TEST(GenerateDrivers, CanvasThatCannotBeMadeIsADibError)
{
    DocumentState doc = FlatDocument(Filled(Qt::red));
    doc.CanvasOutline = {{{0, 0}, {0, 90000}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}};
    int rows = 0;
    const GenerateResult result = GenerateBothSheets(doc, [&rows] { ++rows; });
    EXPECT_EQ(result.status, GenerateStatus::DibError);
    EXPECT_TRUE(result.page.isNull());
    EXPECT_EQ(rows, 0);
}

// An upright sheet seen almost edge-on, as the designer accepts it: too tall for the
// layout's canvas width, it is composed on a narrower canvas and still makes its page.
TEST(GenerateDrivers, SteepUprightOutlineMakesItsPage)
{
    DocumentState doc = FlatDocument(Filled(Qt::blue));
    doc.PageStyle = kStyleUpright;
    doc.CanvasOutline = {{{0, 0}, {12, 67}, {11, 226}, {11, 226}, {0, 130}, {0, 130}}};
    doc.SelY2 = 300;
    int rows = 0;
    const auto result = GenerateForPageStyle(doc, [&rows] { ++rows; });
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->status, GenerateStatus::Done);
    EXPECT_EQ(result->page.size(), QSize(1684, 1190));
    EXPECT_EQ(Centre(result->page, result->page.rect()), qRgb(0, 0, 255));
    EXPECT_GT(rows, 1190);
    EXPECT_EQ(doc.GenProgress, 100);
}
