#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/GenerateDrivers.h"

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

} // namespace

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
