#include "app/placement_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmo {
namespace {

TEST(CascadeTest, MovesUpAndLeftWhenThereIsRoom) {
    Placement p = CascadeFrom({120, 100, 850, 531}, 1920, 1080);
    EXPECT_EQ(p.x, 90);
    EXPECT_EQ(p.y, 70);
    EXPECT_EQ(p.width, 850);
    EXPECT_EQ(p.height, 531);
}

TEST(CascadeTest, NearTheEdgeMovesTheOtherWayAndShrinksToFit) {
    Placement p = CascadeFrom({10, 29, 800, 600}, 1920, 1080);
    EXPECT_EQ(p.x, 40);
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.y, 59);
    Placement wide = CascadeFrom({10, 0, 1900, 1080}, 1920, 1080);
    EXPECT_EQ(wide.x, 40);
    EXPECT_EQ(wide.width, 1880);  // 1920 - 10 - 30: the old left edge plus the step
    EXPECT_EQ(wide.y, 30);
    EXPECT_EQ(wide.height, 1050);
}

TEST(CascadeTest, ExtremeStoredValuesDoNotOverflow) {
    Placement p = CascadeFrom({0, 0, INT_MAX, INT_MAX}, 1024, 768);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.width, 994);
    EXPECT_EQ(p.height, 738);
    Placement q = CascadeFrom({INT_MAX, INT_MIN, 10, 10}, 1024, 768);
    EXPECT_EQ(q.x, INT_MAX - 30);
    EXPECT_EQ(q.y, INT_MIN + 30);
}

}  // namespace
}  // namespace velmo
