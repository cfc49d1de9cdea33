// Pages made on several threads against the same pages made on one, and pages of outlines
// so tall that their canvas is narrowed, written as layout files.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/shell/LayoutFile.h"
#include "support/RunProgram.h"

using namespace quorvane;

namespace {

// The page of `arguments` made with QUORVANE_THREADS=threads, as the bytes of its file
// (a PNG on several threads is written while it is made).
QByteArray PageBytes(const QTemporaryDir& dir, QStringList arguments, int threads, const char* ending)
{
    const QString page = dir.filePath(QStringLiteral("page-%1.%2").arg(threads).arg(QLatin1String(ending)));
    arguments << QStringLiteral("-o") << page;
    const ProgramRun run = RunCli(arguments, EnvironmentWith({QStringLiteral("QUORVANE_THREADS=%1").arg(threads)}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return ReadFileBytes(page);
}

// Three threads split every share unevenly, on any machine.
void ExpectSameOnOneAndThreeThreads(const QTemporaryDir& dir, const QStringList& arguments, const char* ending = "bmp")
{
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const QByteArray one = PageBytes(dir, arguments, 1, ending);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_TRUE(one == PageBytes(dir, arguments, 3, ending));
}

// A picture of coloured stripes, so that every row and column of a page differs.
QImage Stripes()
{
    QImage picture(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 4, y * 5, (x * y) % 256, 255));
    }
    return picture;
}

// A layout of the style with the outline, the picture covering its bounding box.
Layout TallLayout(PaperLayout style, const Outline& outline)
{
    Layout layout;
    layout.doc.Paper.Layout = style;
    layout.doc.Outline.PaperPoint = outline;
    layout.doc.Outline.Source = OutlineSource::Designer;
    layout.doc.PlaceOutline = outline;
    const int width = layout.doc.Outline.PaperWidth();
    const int height = layout.doc.Outline.PaperHeight();
    layout.doc.Place = {0.0f, 0.0f, float(width), float(height)};
    layout.doc.PictureImage = Stripes();
    layout.canvas = QSize(width, height); // about the outline's own size
    return layout;
}

// An L-fold whose lying sheet is `ratio` times taller than wide, its standing sheet a square.
Outline LFoldWithTallLyingSheet(int ratio)
{
    const int w = 20;
    return {{{0, 0}, {w, 0}, {w, w}, {w, w + w * ratio}, {0, w + w * ratio}, {0, w}}};
}

// One sheet `ratio` times taller than wide, as the designer makes it for an upright sheet
// seen almost edge-on; points 2 and 5 close the lying sheet, 3 and 4 the standing one.
Outline TallSheet(int width, int height)
{
    return {{{0, 0}, {width, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}}};
}

Outline TallStandingSheet(int width, int height)
{
    return {{{0, 0}, {width, 0}, {width, height}, {width, height}, {0, height}, {0, height}}};
}

} // namespace

// The PNGs of 144 dpi are written while they are made on three threads, after it on one.
TEST(CliThreads, EveryStyleMappingAndResolutionGivesTheSamePageOnOneAndSeveralThreads)
{
    QTemporaryDir dir;
    for (const char* style : {"lfold", "flat", "upright"}) {
        for (const char* mapping : {"bilinear", "exact"}) {
            for (const char* dpi : {"144", "300"})
                ExpectSameOnOneAndThreeThreads(dir, {"generate", "--default-paper", "--style", style, "--mapping",
                                                     mapping, "--dpi", dpi}, dpi == std::string("144") ? "png" : "bmp");
        }
    }
}

// Outlines the layout reader accepts but so tall that the canvas is narrowed, down to a
// million pixels tall: each makes a page that is not blank, the same on any thread count.
TEST(CliThreads, TallOutlinesMakeTheirPagesFromLayoutFiles)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        PaperLayout style;
        Outline outline;
    } cases[] = {
        {"lfold-16", PaperLayout::LFold, LFoldWithTallLyingSheet(16)},
        {"lfold-64", PaperLayout::LFold, LFoldWithTallLyingSheet(64)},
        {"flat-20", PaperLayout::Flat, TallSheet(50, 1000)},
        {"upright-20", PaperLayout::Upright, TallStandingSheet(50, 1000)},
        {"flat-million", PaperLayout::Flat, TallSheet(2500, 1000000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("%1.quorvane").arg(QLatin1String(c.name)));
        ASSERT_FALSE(SaveLayout(TallLayout(c.style, c.outline), path));
        ExpectSameOnOneAndThreeThreads(dir, {"generate", "--layout", path, "--dpi", "144"});
        const QImage page(dir.filePath(QStringLiteral("page-1.bmp")));
        ASSERT_FALSE(page.isNull());
        EXPECT_NE(page.pixel(page.width() / 2, page.height() * 3 / 4), qRgb(255, 255, 255));
    }
}
