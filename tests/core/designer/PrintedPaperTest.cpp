// The printed page on the scene's paper, against the page drivers' layout, and the free
// camera of the 3D check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/designer/OrbitCamera.h"
#include "core/designer/PaperScene.h"
#include "core/generation/SheetGeometry.h"

using namespace quorvane;

// Each driver pass maps outline corners P1..P4 to the top-left, top-right, bottom-right and
// bottom-left of its place in the page; the scene must print the page there.
TEST(PrintedPaper, EachSheetShowsThePartOfThePageItsDriverPassMakes)
{
    for (const PaperLayout PageStyle : {PaperLayout::LFold, PaperLayout::Flat, PaperLayout::Upright}) {
        const Paper paper{PaperFormat::A4, PageStyle};
        const SheetSize size = paper.SceneSize();
        const DriverLayout& layout = *DriverLayoutOf(paper);
        const double width = layout.pageSize.width(), height = layout.pageSize.height();
        for (const SheetPass& pass : layout.passes) {
            const QRectF r(pass.place);
            const QPointF placed[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
            for (size_t k = 0; k < 4; ++k) {
                const PagePoint p = PagePointAt(CornerPosition(pass.corners[k], size), size);
                EXPECT_DOUBLE_EQ(p.u * width, placed[k].x()) << int(PageStyle) << " corner " << pass.corners[k];
                EXPECT_DOUBLE_EQ(p.v * height, placed[k].y()) << int(PageStyle) << " corner " << pass.corners[k];
            }
        }
    }
}

// A grid's seams lie where each sheet's left or top edge lies on the assembled page, across
// the whole paper; a column's seam runs down both sheets of the L.
TEST(PrintedPaper, SeamsLieOnTheSheetsEdgesOfTheAssembledPage)
{
    EXPECT_TRUE(SheetSeams(Paper{PaperFormat::A4, PaperLayout::LFold, SheetGrid{1, 1, 0.0}}).empty());
    for (const PaperLayout layout : {PaperLayout::LFold, PaperLayout::Flat, PaperLayout::Upright}) {
        SCOPED_TRACE(int(layout));
        const Paper paper{PaperFormat::Letter, layout, SheetGrid{3, 2, 10.0}};
        const SheetSize size = paper.SceneSize();
        const QSizeF page = paper.PageSizeMm();
        const QSizeF step = paper.SheetSizeMm() - QSizeF(10.0, 10.0);
        const std::vector<SceneSegment> seams = SheetSeams(paper);
        std::vector<double> columns, rows; // in sheets along the page
        for (const SceneSegment& seam : seams) {
            const PagePoint from = PagePointAt(seam.from, size);
            const PagePoint to = PagePointAt(seam.to, size);
            if (from.u == to.u) {
                columns.push_back(from.u * page.width() / step.width());
                EXPECT_LT(from.v, to.v);
            } else {
                rows.push_back(from.v * page.height() / step.height());
                EXPECT_NEAR(to.v, from.v, 1e-12);
                EXPECT_NEAR(to.u - from.u, 1.0, 1e-12);
            }
        }
        const auto whole = [](std::vector<double> counts) {
            std::ranges::sort(counts);
            std::vector<long> rounded;
            for (const double count : counts) {
                EXPECT_NEAR(count, std::round(count), 1e-9);
                rounded.push_back(std::lround(count));
            }
            return rounded;
        };
        const std::vector<long> down = layout == PaperLayout::LFold ? std::vector<long>{1, 1, 2, 2} : std::vector<long>{1, 2};
        EXPECT_EQ(whole(columns), down);
        EXPECT_EQ(whole(rows), std::vector<long>{1});
    }
}

TEST(PrintedPaper, OrbitKeepsTheEyesDistanceAndStopsShortOfTheVertical)
{
    const CameraValues start;
    const Paper lfold;
    const double aim = lfold.AimHeight();
    const auto reach = [aim](const CameraValues& c) { return std::hypot(c.CameraDistance, c.CameraHeight - aim); };

    const CameraValues turned = OrbitCamera(start, lfold, 200.0, 10.0);
    EXPECT_DOUBLE_EQ(turned.CameraAngle, start.CameraAngle + 200.0 - 360.0);
    EXPECT_NEAR(reach(turned), reach(start), 1e-9);
    EXPECT_GT(turned.CameraHeight, start.CameraHeight);
    EXPECT_EQ(turned.FieldOfView, start.FieldOfView);

    const CameraValues top = OrbitCamera(start, lfold, 0.0, 500.0);
    EXPECT_NEAR(std::atan2(top.CameraHeight - aim, top.CameraDistance) * 180.0 / M_PI, 85.0, 1e-9);
    const CameraValues bottom = OrbitCamera(start, lfold, 0.0, -500.0);
    EXPECT_NEAR(std::atan2(bottom.CameraHeight - aim, bottom.CameraDistance) * 180.0 / M_PI, -80.0, 1e-9);

    EXPECT_NEAR(reach(ZoomCamera(start, lfold, 0.5)), reach(start) / 2, 1e-9);
    EXPECT_NEAR(reach(ZoomCamera(start, lfold, 1e-6)), 5.0, 1e-9);
    EXPECT_NEAR(reach(ZoomCamera(start, lfold, 1e6)), 2000.0, 1e-9);
}
