#include <gtest/gtest.h>

#include "app/common/FileFilters.h"

using namespace quorvane;

TEST(FileFilters, PatternsMoveIntoTheCaptionsParentheses)
{
    EXPECT_EQ(ToQtNameFilters(QStringLiteral("PNG format (*.png)|*.png|JPG format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                                             "TIF format (*.tif;tiff)|*.tif;*.tiff|BMP format|*.bmp")),
              (QStringList{QStringLiteral("PNG format (*.png)"), QStringLiteral("JPG format (*.jpg *.jpeg)"),
                           QStringLiteral("TIF format (*.tif *.tiff)"), QStringLiteral("BMP format (*.bmp)")}));
}
