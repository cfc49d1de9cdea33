// The paper's sizes: every page, scene and driver number follows from them, and the pages
// made before the paper was a value must come out the same.
#include <gtest/gtest.h>

#include <cmath>

#include "core/shell/PageResolution.h"
#include "core/shell/Paper.h"

using namespace quorvane;

TEST(Paper, A4PagesAndSceneKeepTheirSizes)
{
    const Paper lfold;
    EXPECT_EQ(lfold.PageSize(144), QSize(1190, 1684)); // 210 mm would round to 1191
    EXPECT_EQ(lfold.PageSize(300), QSize(2480, 3508));
    EXPECT_EQ(lfold.PageSize(600), QSize(4961, 7016));
    EXPECT_EQ(lfold.PageSize(200), std::nullopt);
    EXPECT_EQ(lfold.SceneSize(), (SheetSize{29.75, 21.05, 21.05}));
    EXPECT_DOUBLE_EQ(lfold.AimHeight(), 0.43 * 21.05);
    EXPECT_EQ(lfold.PageSizeMm(), QSizeF(210, 297));

    const Paper flat{PaperFormat::A4, PaperLayout::Flat};
    EXPECT_EQ(flat.SceneSize(), (SheetSize{29.75, 0.0, 42.1}));
    EXPECT_EQ(flat.AimHeight(), 0.0);
    const Paper upright{PaperFormat::A4, PaperLayout::Upright};
    EXPECT_EQ(upright.PageSize(600), QSize(7016, 4961)); // on its side
    EXPECT_EQ(upright.PortraitPageSize(600), QSize(4961, 7016));
    EXPECT_EQ(upright.SceneSize(), (SheetSize{42.1, 29.75, 0.0}));
    EXPECT_EQ(upright.PageSizeMm(), QSizeF(297, 210));
    EXPECT_EQ(Paper({PaperFormat::A4, PaperLayout::None}).PageSize(144), std::nullopt);
    EXPECT_EQ(Paper{}.DefaultCamera(), CameraValues{});
}

// The other formats: the page is the format to the nearest pixel, the scene the format at
// A4's scale, and the default camera sees the whole paper as A4's sees A4.
TEST(Paper, OtherFormatsFollowTheirSizeAtA4sScale)
{
    const struct {
        PaperFormat format;
        const char* name;
        QSizeF mm;
        QSize at600;
        double distance, height; // the default camera
    } rows[] = {
        {PaperFormat::Letter, "letter", {215.9, 279.4}, {5100, 6600}, 154.2, 77.3},
        {PaperFormat::A3, "a3", {297.0, 420.0}, {7016, 9921}, 212.1, 106.4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Paper paper{row.format, PaperLayout::LFold};
        EXPECT_EQ(FormatOfName(QString::fromLatin1(row.name).toUpper()), row.format);
        EXPECT_EQ(paper.PageSizeMm(), row.mm);
        for (const int32_t dpi : kPageDpis) {
            const QSize expected(std::lround(row.mm.width() / 25.4 * dpi), std::lround(row.mm.height() / 25.4 * dpi));
            EXPECT_EQ(paper.PageSize(dpi), expected) << dpi;
        }
        EXPECT_EQ(paper.PageSize(600), row.at600);
        EXPECT_DOUBLE_EQ(paper.SceneSize().SheetWidth, row.mm.width() * 29.75 / 210.0);
        EXPECT_DOUBLE_EQ(paper.SceneSize().SheetDepth, row.mm.height() * 29.75 / 210.0 / 2.0);
        EXPECT_DOUBLE_EQ(paper.DefaultCamera().CameraDistance, row.distance);
        EXPECT_DOUBLE_EQ(paper.DefaultCamera().CameraHeight, row.height);
        EXPECT_EQ(paper.DefaultOutline().Camera, paper.DefaultCamera());
    }
    EXPECT_EQ(FormatOfName(u"b5"), std::nullopt);
}

// Another format or grid moves the eye with the assembled width, and back again; where the
// sliders end, the field of view opens instead.
TEST(Paper, CameraOnPaperFollowsTheAssembledWidth)
{
    const Paper a4;
    const Paper a3{PaperFormat::A3, PaperLayout::LFold};
    EXPECT_EQ(CameraOnPaper(CameraValues{}, a4, a3), a3.DefaultCamera());
    EXPECT_EQ(CameraOnPaper(CameraValues{}, a4, a4), CameraValues{});

    const Paper twoByTwo{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2, 10.0}};
    const CameraValues back = CameraOnPaper(CameraValues{}, a4, twoByTwo);
    EXPECT_EQ(back, (CameraValues{std::nearbyint(1500.0 * 410.0 / 210.0) / 10.0,
                                  std::nearbyint(752.0 * 410.0 / 210.0) / 10.0, 31.0, 15.0}));
    EXPECT_EQ(CameraOnPaper(back, twoByTwo, a4), CameraValues{});
    // Rows leave the width alone; the glue takes some of it.
    EXPECT_EQ(CameraOnPaper(back, twoByTwo, Paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 5, 10.0}}), back);
    const Paper moreGlue{PaperFormat::A4, PaperLayout::LFold, SheetGrid{2, 2, 30.0}};
    EXPECT_DOUBLE_EQ(CameraOnPaper(back, twoByTwo, moreGlue).CameraDistance, std::nearbyint(2929.0 * 390.0 / 410.0) / 10.0);

    // 6 x 6 A3 is 1732 mm wide: 8.2 times A4's 150 would pass the 400 the slider reaches.
    const Paper largest{PaperFormat::A3, PaperLayout::LFold, SheetGrid{6, 6, 10.0}};
    const CameraValues far = CameraOnPaper(CameraValues{}, a4, largest);
    EXPECT_LE(far.CameraDistance, 400.0);
    EXPECT_LE(far.CameraHeight, 200.0);
    EXPECT_EQ(far.FieldOfView, 45.0); // 2 atan(tan 7.5° / (200 / (75.2 x 1732 / 210))), rounded up
}

TEST(Paper, StoredStylesAndResolutionListsRoundTrip)
{
    for (const double style : {kStyleLFold, kStyleFlat, kStyleUpright})
        EXPECT_EQ(PaperOfStyle(style)->PageStyle(), style);
    EXPECT_EQ(PaperOfStyle(5.0), std::nullopt);
    EXPECT_EQ(PageDpiList(QStringLiteral(", "), QStringLiteral(" or ")), QStringLiteral("144, 300 or 600"));
    EXPECT_EQ(PageDpiList(QStringLiteral("|"), QStringLiteral("|")), QStringLiteral("144|300|600"));
}
