#include <gtest/gtest.h>

#include "core/shell/DefaultPaper.h"
#include "core/shell/DefaultPlacement.h"

using namespace quorvane;

TEST(DefaultPlacement, WidePictureOnAnEightHundredByFourHundredCanvas)
{
    const auto p = DefaultPlacement(QSizeF(800, 400), 1000, 500);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->X1, 180.0f);
    EXPECT_EQ(p->Y1, 150.0f);
    EXPECT_EQ(p->X2, 580.0f);
    EXPECT_EQ(p->Y2, 350.0f);
}

TEST(DefaultPlacement, PictureWithoutPixelsLeavesThePlacementAlone)
{
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 100, 0).has_value());
    EXPECT_FALSE(DefaultPlacement(QSizeF(800, 400), 0, 100).has_value());

    DocumentState doc;
    doc.SelX1 = 1;
    doc.SelY2 = 7;
    ApplyDefaultPlacement(doc, QSizeF(800, 400));
    EXPECT_EQ(doc.SelX1, 1.0f);
    EXPECT_EQ(doc.SelY2, 7.0f);
}

TEST(DefaultPaper, ExtentsOfTheDefaultOutline)
{
    DocumentState doc;
    SetDefaultPaper(doc);
    EXPECT_EQ(doc.PaperWidth, 708);
    EXPECT_EQ(doc.PaperHeight, 637);
}
