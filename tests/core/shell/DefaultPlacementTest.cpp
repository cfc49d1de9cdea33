#include <gtest/gtest.h>

#include <QImage>
#include <QPolygonF>

#include "core/editor/PaperFitting.h"
#include "core/shell/DefaultPlacement.h"
#include "core/shell/PictureLoader.h"

using namespace quorvane;

TEST(DefaultPlacement, WidePictureOnAnEightHundredByFourHundredCanvasAndPicturesWithoutPixels)
{
    EXPECT_EQ(DefaultPlacement(QSizeF(800, 400), 1000, 500), (Placement{180, 150, 580, 350}));
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 100, 0).has_value());
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 0, 100).has_value());

    Document doc;
    doc.Place = {1, 0, 0, 7};
    ApplyDefaultPlacement(doc, CanvasPaper(), QSizeF(800, 400));
    EXPECT_EQ(doc.Place, (Placement{1, 0, 0, 7}));
}

// The sample picture, placed by the default rule in the main window's first canvas, stands
// inside the default paper with a margin, so the first page shows the whole of it.
TEST(DefaultPlacement, SamplePictureStandsInsideTheDefaultPaper)
{
    const QSizeF canvas(853, 480);
    Document doc;
    CanvasPaper paper;
    ResetPaper(doc, paper, canvas, false);
    doc.PictureImage = QImage(QStringLiteral(QUORVANE_SOURCE_DIR "/data/Object/tyrannosaurus.png"));
    ASSERT_FALSE(doc.PictureImage.isNull());
    ApplyDefaultPlacement(doc, paper, canvas);

    QPolygonF outline;
    for (const QPoint& corner : paper.CanvasOutline)
        outline << QPointF(corner);
    const Placement r = PlacementOnCanvas(doc, paper);
    constexpr double kMargin = 8.0; // canvas pixels, about 25 on the page
    const QRectF placed = QRectF(QPointF(r.SelX1, r.SelY1), QPointF(r.SelX2, r.SelY2)).normalized();
    EXPECT_TRUE(QPolygonF(placed.adjusted(-kMargin, -kMargin, kMargin, kMargin)).subtracted(outline).isEmpty());
    EXPECT_FALSE(QPolygonF(placed.adjusted(-90, -90, 90, 90)).subtracted(outline).isEmpty()); // the check can fail
}
