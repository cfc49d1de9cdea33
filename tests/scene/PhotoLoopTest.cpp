// The whole way from a photo of the paper to what its camera sees of the printed page: a
// photo drawn from a known camera, its corners found, the outline and the camera made from
// them, a picture of red dots placed over the photo and its page made with the exact mapping;
// the page rendered on the paper from the photo's camera shows each dot where it was placed.
#include <gtest/gtest.h>

#include <iostream>

#include "core/editor/PaperFitting.h"
#include "core/generation/GenerateDrivers.h"
#include "core/output/ExpectedView.h"
#include "core/photo/PhotoCorners.h"
#include "core/photo/PhotoOutline.h"
#include "scene/OffscreenView.h"
#include "support/PaperPhoto.h"
#include "support/RedDots.h"

namespace quorvane {
namespace {

struct LoopCase {
    const char* name;
    PaperLayout layout;
    test::PhotoPose pose;
};

TEST(PhotoLoop, DotsPlacedOverThePhotoAreSeenThereFromThePhotosCamera)
{
    const QSize size(1200, 800); // the canvas is the photo's size: one canvas pixel, one photo pixel
    const LoopCase cases[] = {
        {"L-fold turned", PaperLayout::LFold, {90, 55, 25, 25, 0, 0}},
        {"flat, wide lens", PaperLayout::Flat, {60, 50, -30, 40, 0, 0}},
        {"upright, long lens", PaperLayout::Upright, {200, 70, 15, 14, 0, 0}},
    };
    OffscreenView view(size);
    ASSERT_TRUE(view.IsValid()) << view.Error().toStdString();
    for (const LoopCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Paper paper{PaperFormat::A4, c.layout};
        const test::PaperPhoto photo = test::DrawPaperPhoto(c.layout, c.pose, {}, size);
        const CornerSearch found = FindPaperCorners(photo.image, c.layout);
        ASSERT_TRUE(found.corners) << found.message.toStdString();
        const OutlineCapture capture = PhotoOutline(photo.image, *found.corners, paper);
        ASSERT_TRUE(capture.outline) << capture.message.toStdString();

        Document doc;
        doc.Paper = paper;
        doc.Outline = *capture.outline;
        doc.Mapping = SheetMapping::Exact;
        doc.PictureImage = DotsPicture(size, 40, 5.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        CanvasPaper fitted;
        ResetPaper(doc, fitted, QSizeF(size), false);
        SetPlacement(doc, fitted, {0.0f, 0.0f, float(size.width()), float(size.height())});
        GenControl control;
        const std::optional<GenerateResult> page = GenerateForPageStyle(doc, fitted, control, {});
        ASSERT_TRUE(page && page->status == GenerateStatus::Done);

        view.SetPage(page->page);
        view.Display(doc.Camera(), paper);
        const Displacement d = Measure(ComposeExpectedView(doc, QSizeF(size)), view.Grab());
        std::cout << c.name << ": " << d.dots << " dots, displacement max " << d.max << " photo px\n";
        EXPECT_GE(d.dots, 30);
        EXPECT_LE(d.max, 2.0);
    }
}

} // namespace
} // namespace quorvane
