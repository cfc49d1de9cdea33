#include "core/output/PrintableArea.h"

#include <gtest/gtest.h>

#include "core/output/PrintedPage.h"

namespace quorvane {
namespace {

TEST(PrintableArea, LandscapePageTurnsThePaperMarginsWithIt)
{
    // A4 is 595 x 842 pt. Paper margins: left 10, top 20, right 30, bottom 40.
    const QMarginsF paper(10, 20, 30, 40);
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, paper, QPageLayout::Point, paper);
    EXPECT_EQ(PrintableAreaPoints(layout), QRectF(10, 20, 595 - 10 - 30, 842 - 20 - 40));

    // Landscape: the page's top is the paper's left edge, its left the paper's bottom edge.
    layout.setOrientation(QPageLayout::Landscape);
    EXPECT_EQ(PrintableAreaPoints(layout), QRectF(40, 10, 842 - 40 - 20, 595 - 10 - 30));
}

TEST(PrintableArea, PageFitsWithItsShapeCentredAndTheJobIsNamedAfterTheFile)
{
    const struct {
        QSizeF page;
        QRectF area;
        QRectF fitted;
    } rows[] = {
        {{1190, 1684}, {18, 18, 576, 756}, {18 + (576 - 756 * 1190.0 / 1684) / 2, 18, 756 * 1190.0 / 1684, 756}},
        {{1684, 1190}, {10, 20, 400, 400}, {10, 20 + (400 - 400 * 1190.0 / 1684) / 2, 400, 400 * 1190.0 / 1684}},
        {{100, 100}, {0, 0, 300, 100}, {100, 0, 100, 100}},
        {{0, 100}, {0, 0, 300, 100}, {}},
    };
    for (const auto& row : rows) {
        const QRectF got = FitKeepingShape(row.page, row.area);
        EXPECT_NEAR(got.x(), row.fitted.x(), 1e-9);
        EXPECT_NEAR(got.y(), row.fitted.y(), 1e-9);
        EXPECT_NEAR(got.width(), row.fitted.width(), 1e-9);
        EXPECT_NEAR(got.height(), row.fitted.height(), 1e-9);
    }
    EXPECT_EQ(PrintJobName(QStringLiteral("/home/a/pages/dino page.jpg")), QStringLiteral("dino page.jpg"));
    EXPECT_EQ(PrintJobName(QString()), QStringLiteral("Quorvane page"));
}

// An A4 sheet in points whose printer keeps 18 pt at the sides and 36 pt at top and bottom.
const PrintSheet kA4Sheet{{595.276, 841.89}, {18, 36, 595.276 - 36, 841.89 - 72}};

TEST(PrintableArea, ThePageIsCentredAtItsOwnSizeAndCutOnlyWhereItsInkMeetsTheMargin)
{
    // 1190 x 1684 pixels at 144 dpi are 595 x 842 pt, centred over the paper.
    const PrintPlacement actual = PlacePage({{1190, 1684}, 144.0, QRect(100, 200, 990, 1284)}, kA4Sheet, false);
    EXPECT_EQ(actual.Scale, 1.0);
    EXPECT_EQ(actual.Target.size(), QSizeF(595, 842));
    EXPECT_NEAR((actual.Target.center() - QPointF(595.276 / 2, 841.89 / 2)).manhattanLength(), 0, 1e-9);
    const struct {
        QRect ink;
        bool cut;
    } rows[] = {
        {QRect(36, 73, 1118, 1538), false}, // from 18 pt in and 36 pt down: just inside
        {QRect(35, 200, 100, 100), true},   // a pixel further left
        {QRect(600, 1611, 10, 1), true},    // reaching into the bottom margin
        {QRect(), false},                   // a white page
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlacePage({{1190, 1684}, 144.0, row.ink}, kA4Sheet, false).Cut, row.cut) << row.ink.x();
}

TEST(PrintableArea, FitShrinksAlikeIntoThePrintableArea)
{
    const PrintedPageSize page{{2480, 3508}, 300.0, QRect(0, 0, 2480, 3508)};
    const PrintPlacement fitted = PlacePage(page, kA4Sheet, true);
    EXPECT_NEAR(fitted.Scale, (841.89 - 72) / (3508 * 72.0 / 300), 1e-12); // the height limits
    EXPECT_NEAR(fitted.Target.width() / fitted.Target.height(), 2480.0 / 3508, 1e-12);
    EXPECT_EQ(fitted.Target.center(), kA4Sheet.Printable.center());
    EXPECT_FALSE(fitted.Cut);
    EXPECT_EQ(PlacePage({{1190, 1684}, 0.0, {}}, kA4Sheet, false).Scale, 0.0);
}

TEST(PrintedPage, APageIsKnownByItsPixelsElseByItsRecordedResolutionOnTheNamedPaper)
{
    EXPECT_EQ(PageOfSize({2550, 3300})->Format, PaperFormat::Letter);
    EXPECT_EQ(PageOfSize({9921, 7016})->Dpi, 600);
    EXPECT_EQ(PageOfSize({9921, 7016})->Orientation, QPageLayout::Landscape);
    EXPECT_FALSE(PageOfSize({1191, 1684}));

    QString problem;
    QImage odd(1000, 800, QImage::Format_RGB32);
    odd.setDotsPerMeterX(3937); // 100 dpi
    odd.setDotsPerMeterY(3937);
    EXPECT_FALSE(PrintedPageOf(odd, std::nullopt, problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("1000 x 800 pixels"))) << qPrintable(problem);
    const std::optional<PrintedPage> onA3 = PrintedPageOf(odd, PaperFormat::A3, problem);
    ASSERT_TRUE(onA3);
    EXPECT_NEAR(onA3->Dpi, 100.0, 0.01);
    odd.setDotsPerMeterY(5000); // no single resolution
    EXPECT_FALSE(PrintedPageOf(odd, PaperFormat::A3, problem));
}

} // namespace
} // namespace quorvane
