// A paper made of several sheets: its assembled sizes, the camera that sees it whole, the
// largest page that can be made, and the grid's text.
#include <gtest/gtest.h>

#include <cmath>

#include "core/designer/CameraSetup.h"
#include "core/designer/DesignerCamera.h"
#include "core/designer/ProjectedOutline.h"
#include "core/photo/PhotoCamera.h"
#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"

using namespace quorvane;

namespace {

constexpr PaperLayout kLayouts[] = {PaperLayout::LFold, PaperLayout::Flat, PaperLayout::Upright};
const QSize kOutlineView(974, 838);

bool InSliderRange(CameraRow row, double sliderValue)
{
    return sliderValue >= RangeOf(row).Min && sliderValue <= RangeOf(row).Max;
}

} // namespace

// One sheet is today's paper whatever its glue: the numbers below are those pages were made
// with before there were grids.
TEST(SheetGrid, OneSheetKeepsTodaysPaperWhateverTheGlue)
{
    const Paper a4{PaperFormat::A4, PaperLayout::LFold, SheetGrid{1, 1, 25.0}};
    EXPECT_EQ(a4.PageSize(144), QSize(1190, 1684));
    EXPECT_EQ(a4.PageSize(600), QSize(4961, 7016));
    EXPECT_EQ(a4.PageSizeMm(), QSizeF(210, 297));
    EXPECT_EQ(a4.SceneSize(), (SheetSize{29.75, 21.05, 21.05}));
    EXPECT_EQ(a4.DefaultCamera(), CameraValues{});
    const Outline a4Outline{{{0, 95}, {494, 0}, {488, 350}, {708, 492}, {207, 637}, {18, 469}}};
    EXPECT_EQ(a4.DefaultOutline().PaperPoint, a4Outline);
    const Paper a3{PaperFormat::A3, PaperLayout::Upright, SheetGrid{1, 1, 30.0}};
    EXPECT_EQ(a3.PageSize(300), QSize(4961, 3508));
    EXPECT_EQ(a3.DefaultCamera(), (CameraValues{212.1, 106.4, 31.0, 15.0}));
}

// The built-in outlines were captured from the drawn scene; the projection worked out
// without drawing must find the same pixels, or the outlines of grids would not be the
// designer's.
TEST(SheetGrid, ProjectedOutlineFindsTheCapturedOutlines)
{
    for (const PaperFormat format : PaperFormats()) {
        SCOPED_TRACE(FormatName(format).toStdString());
        const Paper paper{format, PaperLayout::LFold};
        const OutlineCapture seen = ProjectedOutline(paper, paper.DefaultCamera(), kOutlineView);
        ASSERT_TRUE(seen.outline);
        EXPECT_EQ(seen.outline->PaperPoint, paper.DefaultOutline().PaperPoint);
    }
    // A corner out of the view is refused as the capture refuses it.
    CameraValues close;
    close.CameraDistance = 20.0;
    EXPECT_FALSE(ProjectedOutline(Paper{}, close, kOutlineView).outline);
}

TEST(SheetGrid, AssembledPaperOverlapsByTheGlue)
{
    const Paper piece{PaperFormat::A4, PaperLayout::LFold, SheetGrid{3, 3, 10.0}};
    EXPECT_EQ(piece.SheetPageSize(300), QSize(2480, 3508));
    const int glue = 118; // 10 mm at 300 dpi
    EXPECT_EQ(piece.PageSize(300), QSize(3 * (2480 - glue) + glue, 3 * (3508 - glue) + glue));
    EXPECT_EQ(piece.PageSizeMm(), QSizeF(3 * 200 + 10, 3 * 287 + 10));
    const std::optional<GridOnPage> grid = piece.GridAt(300);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->SheetRect(2, 1), QRect(2 * (2480 - glue), 3508 - glue, 2480, 3508));

    const Paper wide{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 1, 10.0}};
    EXPECT_DOUBLE_EQ(wide.SceneSize().SheetWidth, 29.75 * 410.0 / 210.0);
    EXPECT_DOUBLE_EQ(wide.SceneSize().SheetDepth, 21.05);
    // The upright page is on its side: columns run along the format's long side.
    const Paper upright{PaperFormat::A4, PaperLayout::Upright, SheetGrid{2, 3, 0.0}};
    EXPECT_EQ(upright.PageSize(144), QSize(2 * 1684, 3 * 1190));
    EXPECT_EQ(upright.SceneSize(), (SheetSize{2 * 42.1, 3 * 29.75, 0.0}));
    EXPECT_DOUBLE_EQ(upright.AimHeight(), 0.43 * 3 * 29.75);
}

// The real centimetres of a photo's camera and of the setup figures: the assembled paper at
// one sheet's scale.
TEST(SheetGrid, RealCentimetresKeepOneSheetsScale)
{
    const Paper piece{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2}};
    EXPECT_DOUBLE_EQ(CmPerSceneUnit(piece), CmPerSceneUnit(Paper{}));
    EXPECT_TRUE(SetupJson(SetupOf(piece, piece.DefaultCamera())).contains(QStringLiteral("\"width\": 41, \"height\": 58.4")));
}

// A grid's camera is A4's scaled with the assembled width; whatever the grid, format and
// layout, the default outline sees the whole paper with the camera on the sliders.
TEST(SheetGrid, DefaultCameraSeesEveryPieceWhole)
{
    const CameraValues twoByTwo = Paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2}}.DefaultCamera();
    EXPECT_DOUBLE_EQ(twoByTwo.CameraDistance, std::nearbyint(1500.0 * 410.0 / 210.0) / 10.0);
    EXPECT_DOUBLE_EQ(twoByTwo.CameraHeight, std::nearbyint(752.0 * 410.0 / 210.0) / 10.0);
    EXPECT_EQ(twoByTwo.FieldOfView, 15.0);
    EXPECT_GT((Paper{PaperFormat::A3, PaperLayout::LFold, SheetGrid{6, 6}}.DefaultCamera().FieldOfView), 15.0);

    for (const PaperFormat format : PaperFormats()) {
        for (const PaperLayout layout : kLayouts) {
            for (int columns = 1; columns <= kMaxGridSheets; ++columns) {
                for (int rows = 1; rows <= kMaxGridSheets; ++rows) {
                    const Paper paper{format, layout, SheetGrid{columns, rows}};
                    SCOPED_TRACE(testing::Message() << FormatName(format).toStdString() << " " << int(layout) << " "
                                                    << GridText(paper.Grid).toStdString());
                    const CameraValues camera = paper.DefaultCamera();
                    EXPECT_TRUE(InSliderRange(CameraRow::Distance, camera.CameraDistance * 10.0));
                    EXPECT_TRUE(InSliderRange(CameraRow::Height, camera.CameraHeight * 10.0));
                    EXPECT_TRUE(InSliderRange(CameraRow::FieldOfView, camera.FieldOfView));
                    EXPECT_TRUE(ProjectedOutline(paper, camera, kOutlineView).outline);
                    const PaperOutline outline = paper.DefaultOutline();
                    EXPECT_EQ(outline.Camera, camera);
                    EXPECT_EQ(OutlineProblem(outline.PaperPoint, layout), std::nullopt);
                }
            }
        }
    }
}

TEST(SheetGrid, PagesLongerThanTheLimitAreRefusedWithTheFinestThatFits)
{
    const Paper largest{PaperFormat::A4, PaperLayout::LFold, SheetGrid{6, 6}};
    EXPECT_EQ(largest.PageSize(600), std::nullopt); // 6 x 6780 + 236 = 40916 rows
    EXPECT_EQ(largest.PageSize(300), QSize(6 * (2480 - 118) + 118, 6 * (3508 - 118) + 118));
    const PageFit refused = FitOfPage(largest, 600);
    EXPECT_FALSE(refused.fits);
    EXPECT_EQ(refused.largestDpi, 300);
    EXPECT_TRUE(FitOfPage(largest, 144).fits);
    EXPECT_FALSE(FitOfPage(largest, 200).fits);
    // Just under the limit: no glue, 40000 / 7016 sheets would be 5.7.
    const Paper five{PaperFormat::A4, PaperLayout::Upright, SheetGrid{5, 1, 0.0}};
    EXPECT_EQ(five.PageSize(600), QSize(5 * 7016, 4961));
    EXPECT_TRUE(FitOfPage(five, 600).fits);
    const Paper outOfRange{PaperFormat::A4, PaperLayout::LFold, SheetGrid{7, 1}};
    EXPECT_EQ(outOfRange.PageSize(144), std::nullopt);
    EXPECT_EQ(FitOfPage(outOfRange, 144).largestDpi, std::nullopt);
}

TEST(SheetGrid, TextRoundTripsAndRefusesWhatIsOutOfRange)
{
    EXPECT_EQ(GridOfText(u"3x2"), (SheetGrid{3, 2}));
    EXPECT_EQ(GridOfText(u"6X6"), (SheetGrid{6, 6}));
    EXPECT_EQ(GridText(SheetGrid{4, 1}), QStringLiteral("4x1"));
    for (const char16_t* bad : {u"0x1", u"7x2", u"3x", u"x2", u"3x2x1", u"-1x2", u"3*2", u""})
        EXPECT_EQ(GridOfText(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(GlueOfText(u"7.5"), 7.5);
    EXPECT_EQ(GlueOfText(u"0"), 0.0);
    for (const char16_t* bad : {u"30.1", u"-1", u"nan", u"ten"})
        EXPECT_EQ(GlueOfText(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(GluePixels(10.0, 144), 57);
    EXPECT_EQ((SheetGrid{7, 1, 40.0}.Clamped()), (SheetGrid{6, 1, 30.0}));
}
