#include <gtest/gtest.h>

#include "core/shell/DefaultPlacement.h"

using namespace quorvane;

TEST(DefaultPlacement, WidePictureOnAnEightHundredByFourHundredCanvas)
{
    const auto p = DefaultPlacement(QSizeF(800, 400), 1000, 500);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(*p, (Placement{180, 150, 580, 350}));
}

TEST(DefaultPlacement, PictureWithoutPixelsLeavesThePlacementAlone)
{
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 100, 0).has_value());
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 0, 100).has_value());

    Document doc;
    doc.Place = {1, 0, 0, 7};
    ApplyDefaultPlacement(doc, CanvasPaper(), QSizeF(800, 400));
    EXPECT_EQ(doc.Place, (Placement{1, 0, 0, 7}));
}
