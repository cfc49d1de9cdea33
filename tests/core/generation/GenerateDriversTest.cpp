#include <gtest/gtest.h>

#include <QImage>

#include "core/generation/AreaAverage.h"
#include "core/generation/GenerateDrivers.h"
#include "core/generation/SheetGeometry.h"
#include "core/generation/TransBitmapExact.h"
#include "core/shell/PageResolution.h"

using namespace quorvane;

namespace {

// An L outline of 709 x 31 canvas pixels: the standing sheet is the upper half, the lying
// sheet the lower. Flat, so the buffers stay small. The top edge slopes, as seen from a
// camera.
struct FlatRun {
    explicit FlatRun(const QImage& picture)
    {
        paper.CanvasOutline = {{{0, 2}, {708, 0}, {708, 15}, {708, 30}, {0, 30}, {0, 15}}};
        doc.PictureImage = picture;
        doc.Place = {-50, -50, 760, 80}; // beyond the outline on every side
    }
    GenerateResult Both(const RowCallback& afterRow = {}) { return GenerateBothSheets(doc, paper, control, afterRow); }
    GenerateResult SheetB() { return GenerateSheetB(doc, paper, control, {}); }
    GenerateResult ForStyle(const RowCallback& afterRow = {})
    {
        const auto result = GenerateForPageStyle(doc, paper, control, afterRow);
        return result ? *result : GenerateResult{GenerateStatus::DibError, {}};
    }

    Document doc;
    CanvasPaper paper;
    GenControl control;
};

QImage Filled(QColor colour)
{
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
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
QImage PageFromWholeBuffers(FlatRun& run)
{
    const DriverLayout& layout = *DriverLayoutOf(run.doc.Paper);
    const auto geometry = ComputeSheetGeometry(layout, run.paper.CanvasOutline);
    if (!geometry)
        return {};
    const QImage canvas = ComposeCanvas(run.doc.PictureImage, PlacementOnCanvas(run.doc, run.paper), *geometry);
    TransformState gen = *PrepareTransform(canvas, *geometry);
    gen.SrcBits = PixelBuffer::FromImage(canvas, gen.BitsWidth, gen.BitsHeight);
    QImage page(layout.pageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (const SheetPass& pass : layout.passes) {
        SetPassQuad(gen, pass, *geometry);
        ReprojectPass(gen, run.control, {}, run.doc.Mapping);
        AreaAverageInto(gen.DstBits, page, pass.place);
    }
    return page;
}

} // namespace

// The drivers hold only the canvas and a few rows of each pass; the page is the same, by
// either mapping.
TEST(GenerateDrivers, PageIsTheOneOfWholeBuffers)
{
    struct Shape {
        PaperLayout layout;
        Outline outline;
    };
    const Shape shapes[] = {
        {PaperLayout::LFold, {{{3, 2}, {208, 0}, {200, 95}, {214, 170}, {0, 160}, {6, 90}}}},
        {PaperLayout::Flat, {{{0, 0}, {0, 0}, {150, 4}, {170, 60}, {10, 71}, {22, 3}}}},
        {PaperLayout::Upright, {{{0, 0}, {40, 30}, {41, 120}, {41, 120}, {2, 100}, {2, 100}}}},
    };
    for (const SheetMapping mapping : {SheetMapping::Bilinear, SheetMapping::Exact}) {
        for (const Shape& shape : shapes) {
            FlatRun run(Striped());
            run.doc.Mapping = mapping;
            run.doc.Paper.Layout = shape.layout;
            run.paper.CanvasOutline = shape.outline;
            run.doc.Place.SelX1 = 7.5f;
            run.doc.Place.SelY1 = -3.25f;
            const GenerateResult result = run.ForStyle();
            ASSERT_EQ(result.status, GenerateStatus::Done) << int(shape.layout);
            EXPECT_TRUE(result.page == PageFromWholeBuffers(run)) << int(shape.layout) << " mapping " << int(mapping);
        }
    }
}

TEST(GenerateDrivers, PageSizesSheetPlacesAndCanvasAtEachResolutionOrADibError)
{
    for (const int32_t dpi : kPageDpis) {
        SCOPED_TRACE(dpi);
        FlatRun run(Filled(Qt::red));
        run.doc.PageDpi = dpi;
        const QSize upright = *Paper{}.PortraitPageSize(dpi);
        const QRect upper(0, 0, upright.width(), upright.height() / 2);
        // The finer pages are made from a finer canvas, as wide as the page, not scaled up.
        const auto geometry = ComputeSheetGeometry(*DriverLayoutOf(Paper{}, dpi), run.paper.CanvasOutline);
        EXPECT_EQ(geometry->canvasSize.width(), upright.width());
        const GenerateResult both = run.Both();
        ASSERT_EQ(both.status, GenerateStatus::Done);
        EXPECT_EQ(both.page.size(), upright);
        EXPECT_EQ(both.page.pixel(upper.center()), qRgb(255, 0, 0));
        EXPECT_EQ(both.page.pixel(upper.center() + QPoint(0, upper.height())), qRgb(255, 0, 0));
        EXPECT_EQ(both.page.dotsPerMeterX(), DotsPerMeter(dpi));
        EXPECT_EQ(run.control.GenProgress, 100);

        const GenerateResult b = run.SheetB();
        EXPECT_EQ(b.page.size(), upright);
        EXPECT_EQ(b.page.pixel(b.page.rect().center()), qRgb(255, 0, 0));

        run.doc.Paper.Layout = PaperLayout::Upright;
        EXPECT_EQ(run.ForStyle().page.size(), upright.transposed());
    }
    FlatRun unknown(Filled(Qt::red));
    unknown.doc.PageDpi = 200;
    EXPECT_EQ(unknown.Both().status, GenerateStatus::DibError);
    unknown.doc.PageDpi = 144;
    unknown.paper.CanvasOutline = {{{0, 0}, {0, 90000}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}}; // no canvas fits
    EXPECT_EQ(unknown.Both().status, GenerateStatus::DibError);
}

TEST(GenerateDrivers, UncoveredAndTransparentPartsAndNoPictureComeOutWhite)
{
    // Left half opaque blue, right half fully transparent red.
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(qRgba(255, 0, 0, 0));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    }
    FlatRun run(picture);
    run.doc.Place.SelX2 = 760 + 810; // the picture's left half covers the whole outline
    const GenerateResult covered = run.SheetB();
    EXPECT_EQ(covered.page.pixel(595, 842), qRgb(0, 0, 255));

    run.doc.Place.SelX1 = 354 - 810; // now its transparent half lies over the right of the outline
    run.doc.Place.SelX2 = 354 + 810;
    const GenerateResult half = run.SheetB();
    EXPECT_EQ(half.page.pixel(200, 842), qRgb(0, 0, 255));
    EXPECT_EQ(half.page.pixel(1000, 842), kWhite);

    run.doc.Place.SelX1 = 800; // beyond the outline: nothing of the picture on the sheet
    run.doc.Place.SelX2 = 900;
    QImage white(1190, 1684, QImage::Format_RGB32);
    white.fill(kWhite);
    EXPECT_EQ(run.SheetB().page, white);
    run.doc.PictureImage = QImage();
    EXPECT_EQ(run.Both().page, white);
}

// A level top edge (a camera at angle 0) puts the first row's samples where no colour is
// computed: they must come out as the page's white, not as a dark line.
TEST(GenerateDrivers, LevelTopEdgeLeavesNoDarkLine)
{
    FlatRun run(Filled(Qt::white));
    run.paper.CanvasOutline[0] = {0, 0};
    for (const SheetMapping mapping : {SheetMapping::Bilinear, SheetMapping::Exact}) {
        run.doc.Mapping = mapping;
        for (const auto& result : {run.Both(), run.SheetB()}) {
            ASSERT_EQ(result.status, GenerateStatus::Done);
            for (int x = 0; x < result.page.width(); x += 7)
                ASSERT_EQ(result.page.pixel(x, 0), kWhite) << x << " mapping " << int(mapping);
        }
    }
}

TEST(GenerateDrivers, StopDuringTheFirstPassGivesNoPage)
{
    FlatRun run(Filled(Qt::red));
    int rows = 0;
    const GenerateResult result = run.Both([&] {
        ++rows;
        run.control.GenStop = true;
    });
    EXPECT_EQ(result.status, GenerateStatus::Stopped);
    EXPECT_TRUE(result.page.isNull());
    EXPECT_EQ(rows, 1); // the second pass stops at its first sample, before a row ends
    EXPECT_EQ(run.control.GenProgress, 0);

    EXPECT_EQ(run.SheetB().status, GenerateStatus::Done); // the next generation clears the request
}

// A stop asked in the middle of the second pass, while the threads compute rows ahead,
// ends the run at that row, by either mapping and for one sheet or a piece of several; the
// next run makes the whole page.
TEST(GenerateDrivers, StopInTheMiddleOfAThreadedPassEndsItThere)
{
    for (const auto& [mapping, grid] : {std::pair{SheetMapping::Bilinear, SheetGrid{}},
                                        std::pair{SheetMapping::Exact, SheetGrid{}},
                                        std::pair{SheetMapping::Exact, SheetGrid{2, 2}}}) {
        FlatRun run(Striped());
        run.doc.Mapping = mapping;
        run.doc.Paper.Grid = grid;
        int rows = 0;
        const GenerateResult stopped = run.Both([&] {
            if (run.control.GenProgressBase == 50 && run.control.GenProgress >= 75)
                run.control.GenStop = true;
            ++rows;
        });
        EXPECT_EQ(stopped.status, GenerateStatus::Stopped);
        EXPECT_TRUE(stopped.page.isNull());
        EXPECT_EQ(run.control.GenProgress, 75);
        int allRows = 0;
        const GenerateResult whole = run.Both([&] { ++allRows; });
        EXPECT_EQ(whole.status, GenerateStatus::Done);
        EXPECT_EQ(whole.page.size(), run.doc.Paper.PageSize(run.doc.PageDpi));
        EXPECT_GT(allRows, rows + 10);
        EXPECT_EQ(whole.page, PageFromWholeBuffers(run));
    }
}

// An upright sheet seen almost edge-on, as the designer accepts it: too tall for the
// layout's canvas width, it is composed on a narrower canvas and still makes its page.
TEST(GenerateDrivers, SteepUprightOutlineMakesItsPage)
{
    FlatRun run(Filled(Qt::blue));
    run.doc.Paper.Layout = PaperLayout::Upright;
    run.paper.CanvasOutline = {{{0, 0}, {12, 67}, {11, 226}, {11, 226}, {0, 130}, {0, 130}}};
    run.doc.Place.SelY2 = 300;
    int rows = 0;
    const GenerateResult result = run.ForStyle([&rows] { ++rows; });
    ASSERT_EQ(result.status, GenerateStatus::Done);
    EXPECT_EQ(result.page.size(), QSize(1684, 1190));
    EXPECT_EQ(result.page.pixel(842, 595), qRgb(0, 0, 255));
    EXPECT_GT(rows, 1190);
    EXPECT_EQ(run.control.GenProgress, 100);
}
