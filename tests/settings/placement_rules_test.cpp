#include "settings/placement_rules.h"

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

namespace velmo {
namespace {

// The system reports a normal rectangle relative to the work area; a task bar
// at the top or left moves the work area, and the stored placement is on the
// screen.
TEST(NormalPlacementTest, WorkspaceRectanglesComeBackToTheScreen) {
    struct Case {
        const char* name;
        WindowPlacementFacts facts;
        Placement expected;
    };
    const Case cases[] = {
        {"maximised, task bar at the top", {false, {-4, 36, 1288, 1000}, {200, 110, 600, 400}, 0, 40},
         {200, 150, 600, 400}},
        {"minimised, task bar at the left", {false, {-32000, -32000, 160, 28}, {140, 150, 600, 400}, 60, 0},
         {200, 150, 600, 400}},
        {"maximised, no task bar in the way", {false, {-4, -4, 1288, 1032}, {200, 150, 600, 400}, 0, 0},
         {200, 150, 600, 400}},
        // Shown normally it stands where it is, whatever the system's frame of reference.
        {"normal, task bar at the top", {true, {200, 150, 600, 400}, {200, 110, 600, 400}, 0, 40},
         {200, 150, 600, 400}},
        {"normal, reported on the screen", {true, {200, 150, 600, 400}, {200, 150, 600, 400}, 0, 40},
         {200, 150, 600, 400}},
    };
    for (const Case& c : cases) {
        Placement p = NormalPlacementOnScreen(c.facts);
        EXPECT_EQ(p.x, c.expected.x) << c.name;
        EXPECT_EQ(p.y, c.expected.y) << c.name;
        EXPECT_EQ(p.width, c.expected.width) << c.name;
        EXPECT_EQ(p.height, c.expected.height) << c.name;
    }
}

}  // namespace
}  // namespace velmo
