#include <gtest/gtest.h>

#include <array>

#include "app/common/DialogGeometry.h"

using namespace quorvane;

TEST(FitOnScreen, ShrinksToTheFreeAreaNeverBelowTheMinimumAndKeepsTheFrameInside)
{
    struct Row {
        const char* name;
        QSize size, minimum, frame;
        QRect available, expected;
    };
    const std::array<Row, 4> rows{{
        {"fits: centred as it is", {853, 515}, {0, 0}, {0, 30}, {0, 0, 1920, 1080}, {533, 282, 853, 515}},
        {"1920 x 1080 at scale 2: lower, title bar on screen", {853, 515}, {0, 0}, {0, 30}, {0, 0, 960, 540},
         {53, 0, 853, 510}},
        {"free area beside panels", {809, 450}, {0, 0}, {10, 30}, {64, 27, 896, 513}, {107, 59, 809, 450}},
        {"minimum larger than the screen: top left", {853, 515}, {700, 520}, {0, 30}, {0, 0, 640, 360},
         {0, 0, 700, 515}},
    }};
    for (const Row& row : rows)
        EXPECT_EQ(FitOnScreen(row.size, row.minimum, row.frame, row.available), row.expected) << row.name;
}
