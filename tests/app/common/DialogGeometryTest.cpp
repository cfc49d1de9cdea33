#include <gtest/gtest.h>

#include "app/common/DialogGeometry.h"

using quorvane::FitOnScreen;

// size, minimum, frame, free area -> geometry
TEST(FitOnScreen, ShrinksIntoTheFreeAreaNeverBelowTheMinimumWithTheFrameInside)
{
    EXPECT_EQ(FitOnScreen({853, 515}, {}, {0, 30}, {0, 0, 1920, 1080}), QRect(533, 282, 853, 515));
    EXPECT_EQ(FitOnScreen({853, 515}, {}, {0, 30}, {0, 0, 960, 540}), QRect(53, 0, 853, 510));
    EXPECT_EQ(FitOnScreen({809, 450}, {}, {10, 30}, {64, 27, 896, 513}), QRect(107, 59, 809, 450));
    EXPECT_EQ(FitOnScreen({853, 515}, {700, 520}, {0, 30}, {0, 0, 640, 360}), QRect(0, 0, 700, 515));
}
