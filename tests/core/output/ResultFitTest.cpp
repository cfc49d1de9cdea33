#include <gtest/gtest.h>

#include "core/output/ResultFit.h"

using namespace quorvane;

TEST(FitResultToView, FitsTheTighterSideAndCentresByTheUnroundedSize)
{
    EXPECT_EQ(FitResultToView(600, 600, 1190.0 / 1684.0), QRect(88, 0, 424, 600)); // portrait: the height
    EXPECT_EQ(FitResultToView(600, 600, 1684.0 / 1190.0), QRect(0, 88, 600, 424)); // landscape: the width
    // Width 100.4 rounds to 100; (203 - 100.4) / 2 = 51.3 gives 51, where the rounded
    // width would give 51.5 and so 52.
    EXPECT_EQ(FitResultToView(203, 100, 1.004), QRect(51, 0, 100, 100));
    // Offsets exactly halfway round to even.
    EXPECT_EQ(FitResultToView(601, 600, 1.0), QRect(0, 0, 600, 600));
    EXPECT_EQ(FitResultToView(603, 600, 1.0), QRect(2, 0, 600, 600));
    EXPECT_FALSE(FitResultToView(600, 0, 0.7).has_value());
    EXPECT_FALSE(FitResultToView(600, 600, 0.0).has_value());
}
