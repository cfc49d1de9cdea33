// Cutting an assembled page into printed sheets: laid back together they give the page, the
// neighbours' crosses meet, blank sheets are left out, and the page is read a row of sheets
// at a time.
#include <gtest/gtest.h>

#include <algorithm>

#include <QPainter>

#include "core/output/AssemblySheet.h"
#include "core/output/SheetAssembly.h"
#include "core/output/SheetCut.h"
#include "core/output/SheetMarks.h"
#include "core/shell/Paper.h"

using namespace quorvane;

namespace {

struct TakenSheet {
    GridSheet sheet;
    QImage image;
};

std::vector<TakenSheet> CutAll(const QImage& page, const GridOnPage& grid, const std::optional<SheetMarking>& marking,
                             SheetCutReport* report = nullptr)
{
    std::vector<TakenSheet> sheets;
    const SheetCutReport done = CutIntoSheets(BandsOf(page), grid, marking, [&](const GridSheet& s, const QImage& image) {
        sheets.push_back({s, image});
        return true;
    });
    if (report)
        *report = done;
    return sheets;
}

QImage FilledPage(QSize size, QRgb colour = qRgb(255, 255, 255))
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(colour);
    return page;
}

// Every pixel different from its neighbours, so a sheet one pixel off would show.
QImage PatternPage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = qRgb((x * 7) & 255, (y * 3) & 255, (x ^ y) & 255);
    }
    return page;
}

std::vector<QPoint> Places(const std::vector<GridSheet>& sheets)
{
    std::vector<QPoint> places;
    for (const GridSheet& s : sheets)
        places.emplace_back(s.Column, s.Row);
    return places;
}

} // namespace

TEST(SheetCut, SheetsLaidBackWithTheirStripsUnderTheNeighboursGiveThePage)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2}};
    const GridOnPage grid = *paper.GridAt(144);
    QImage page = PatternPage(*paper.PageSize(144));
    page.setDotsPerMeterX(5669);
    SheetCutReport report;
    std::vector<TakenSheet> sheets = CutAll(page, grid, std::nullopt, &report);
    EXPECT_TRUE(report.complete);
    ASSERT_EQ(sheets.size(), 4u);

    for (const TakenSheet& cut : sheets) {
        EXPECT_EQ(cut.image.size(), *paper.SheetPageSize(144));
        EXPECT_EQ(cut.image.dotsPerMeterX(), 5669);
    }
    EXPECT_EQ(SheetDpiOf(paper, sheets.front().image.size()), 144);
    const auto source = [&sheets](const GridSheet& sheet) {
        const auto cut = std::find_if(sheets.begin(), sheets.end(), [&](const TakenSheet& c) { return c.sheet == sheet; });
        return cut == sheets.end() ? QImage() : cut->image;
    };
    const LaidSheets laid = LaySheetsTogether(grid, source);
    EXPECT_EQ(laid.found, 4);
    EXPECT_EQ(laid.page, page);

    // A sheet left out is white paper; a sheet of another size lays nothing.
    sheets.erase(sheets.begin() + 3);
    const LaidSheets three = LaySheetsTogether(grid, source);
    EXPECT_EQ(three.found, 3);
    EXPECT_EQ(three.page.pixel(page.width() - 1, page.height() - 1), qRgb(255, 255, 255));
    sheets[1].image = sheets[1].image.copy(0, 0, 10, 10);
    EXPECT_TRUE(LaySheetsTogether(grid, source).page.isNull());
}

TEST(SheetCut, NeighboursDrawTheirCrossesOnTheSameSpotOfThePage)
{
    const Paper paper{PaperFormat::A4, PaperLayout::Flat, SheetGrid{2, 2}};
    const GridOnPage grid = *paper.GridAt(144);
    const QImage page = FilledPage(*paper.PageSize(144), qRgb(250, 250, 250)); // every sheet printed
    const std::vector<TakenSheet> sheets = CutAll(page, grid, MarkingOf(paper, 144));
    ASSERT_EQ(sheets.size(), 4u);

    const int reach = 30; // beyond a cross's arms (4 mm, 23 pixels here)
    int shared = 0;
    for (size_t i = 0; i < sheets.size(); ++i) {
        for (size_t j = i + 1; j < sheets.size(); ++j) {
            const TakenSheet& a = sheets[i];
            const TakenSheet& b = sheets[j];
            const std::vector<QPoint> crossesA = CrossesOn(grid, a.sheet);
            for (const QPoint& cross : CrossesOn(grid, b.sheet)) {
                if (std::find(crossesA.begin(), crossesA.end(), cross) == crossesA.end())
                    continue;
                ++shared; // inside the overlap of the two sheets, drawn there on both alike
                const QRect overlap = a.sheet.OnPage.intersected(b.sheet.OnPage);
                EXPECT_TRUE(overlap.contains(cross));
                const QRect around = QRect(cross - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1)).intersected(overlap);
                EXPECT_EQ(a.image.copy(around.translated(-a.sheet.OnPage.topLeft())),
                          b.image.copy(around.translated(-b.sheet.OnPage.topLeft())));
                EXPECT_EQ(a.image.pixel(cross - a.sheet.OnPage.topLeft()), qRgb(0, 0, 0));
            }
        }
    }
    EXPECT_EQ(shared, 4 * 2); // four seams, two crosses each
}

TEST(SheetCut, OnlyTheSheetsWithNothingOnThemAreSkipped)
{
    const Paper paper{PaperFormat::Letter, PaperLayout::LFold, SheetGrid{3, 2}};
    const GridOnPage grid = *paper.GridAt(144);
    const QImage blank = FilledPage(*paper.PageSize(144));
    SheetCutReport report;
    CutAll(blank, grid, MarkingOf(paper, 144), &report);
    EXPECT_TRUE(report.complete && report.printed.empty() && report.skipped.size() == 6u);

    QImage page = blank;
    page.setPixel(10, 10, qRgb(254, 255, 255)); // on C1 R1 alone
    // In the glue strip between C2 R2 and C3 R2: on both.
    const QRect c3r2 = grid.SheetRect(2, 1);
    page.setPixel(c3r2.x() + 1, c3r2.y() + c3r2.height() / 2, qRgb(0, 0, 0));
    const std::vector<TakenSheet> sheets = CutAll(page, grid, std::nullopt, &report);
    EXPECT_EQ(Places(report.printed), (std::vector<QPoint>{{0, 0}, {1, 1}, {2, 1}}));
    EXPECT_EQ(Places(report.skipped), (std::vector<QPoint>{{1, 0}, {2, 0}, {0, 1}}));
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(SheetLabel(sheets[2].sheet), QStringLiteral("C3 R2"));

    // Where the four corners overlap, all four are printed.
    page = blank;
    const QRect c2r2 = grid.SheetRect(1, 1);
    page.setPixel(c2r2.topLeft() + QPoint(1, 1), qRgb(0, 0, 0));
    CutAll(page, grid, std::nullopt, &report);
    EXPECT_EQ(Places(report.printed), (std::vector<QPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
}

TEST(SheetCut, PageIsReadOneRowOfSheetsAtATimeAndStopsWhenAsked)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{3, 3}};
    const GridOnPage grid = *paper.GridAt(144);
    std::vector<std::pair<int, int>> asked;
    const PageBand bands = [&](int top, int height) {
        asked.emplace_back(top, height);
        QImage band(grid.Assembled().width(), height, QImage::Format_RGB888);
        band.fill(Qt::gray);
        return band;
    };
    int taken = 0;
    const auto sink = [&](const GridSheet&, const QImage& image) {
        EXPECT_EQ(image.size(), grid.sheet);
        return ++taken < 5;
    };
    SheetCutReport report = CutIntoSheets(bands, grid, MarkingOf(paper, 144), sink);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.printed.size(), 4u); // the fifth stopped it
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, 1684}, {1684 - 57, 1684}}));

    // A page that cannot be read is not reported as cut.
    report = CutIntoSheets([](int, int) { return QImage(); }, grid, std::nullopt, sink);
    EXPECT_FALSE(report.complete);
    EXPECT_TRUE(report.printed.empty());
}

TEST(SheetCut, FoldTicksOnlyOnTheSheetsTheFoldCrosses)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{1, 3}};
    const QImage page = FilledPage(*paper.PageSize(144), qRgb(250, 250, 250));
    const SheetMarking marking = MarkingOf(paper, 144);
    ASSERT_EQ(marking.FoldRow, page.height() / 2);
    for (const TakenSheet& cut : CutAll(page, *paper.GridAt(144), marking)) {
        int ticks = 0; // rows dark at both edges
        for (int y = 0; y < cut.image.height(); ++y)
            ticks += cut.image.pixel(1, y) == qRgb(0, 0, 0) && cut.image.pixel(cut.image.width() - 2, y) == qRgb(0, 0, 0);
        EXPECT_EQ(ticks > 0, cut.sheet.Row == 1) << SheetLabel(cut.sheet).toStdString();
    }
    EXPECT_FALSE(MarkingOf(Paper{PaperFormat::A4, PaperLayout::Flat, SheetGrid{1, 3}}, 144).FoldRow);
}

// The assembly sheet leaves the space below it free for the setup figures.
TEST(SheetCut, AssemblySheetLeavesTheSpaceBelowFree)
{
    const Paper paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{3, 2}};
    QImage sheet = FilledPage(QSize(1190, 1684));
    QPainter painter(&sheet);
    const QRectF area(60, 60, 1070, 1564);
    const QRectF free = PaintAssemblySheet(painter, area, paper, {{2, 0, {}}});
    painter.end();
    ASSERT_FALSE(free.isEmpty());
    EXPECT_TRUE(area.contains(free));
    EXPECT_GT(free.top(), area.top() + area.height() / 2);
    EXPECT_TRUE(HasContent(sheet, QRect(60, 60, 1070, int(free.top()) - 60)));
    EXPECT_FALSE(HasContent(sheet, free.toAlignedRect().adjusted(0, 1, 0, 0)));
}
