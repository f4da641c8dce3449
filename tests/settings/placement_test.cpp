// The main window's stored placement: checked against the screen when read,
// cascaded for a second copy, and brought back from the workspace when saved.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "settings/placement_rules.h"
#include "settings/settings_validation.h"

namespace velmo {
namespace {

std::string Text(const Placement& p) {
    return std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.width) + "x" +
           std::to_string(p.height);
}

Placement Validated(Placement p, std::int32_t screenWidth = 1920, std::int32_t screenHeight = 1080) {
    Settings s = DefaultSettings();
    s.x = p.x;
    s.y = p.y;
    s.width = p.width;
    s.height = p.height;
    ValidateSettings(s, screenWidth, screenHeight);
    return {s.x, s.y, s.width, s.height};
}

TEST(ValidatePlacementTest, EachAxisFitsTheScreenOrFallsBack) {
    const struct {
        const char* name;
        Placement stored, expected;
    } cases[] = {
        {"fits", {120, 100, 850, 531}, {120, 100, 850, 531}},
        {"left_of_and_above_the_screen", {-5, -1, 850, 531}, {120, 100, 850, 531}},
        {"too_wide_and_too_high", {120, 100, 5000, 2000}, {120, 100, 770, 473}},
        {"at_the_far_edges", {1920, 1080, 0, 0}, {1920, 1080, 0, 0}},
        {"the_whole_screen", {0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
        {"past_the_edges", {1921, 1081, 10, 10}, {120, 100, 10, 10}},
        {"one_too_wide_and_negative_height", {100, 100, 1821, -1}, {100, 100, 770, 473}},
        {"width_checked_against_the_corrected_x", {5000, 100, 1800, 531}, {120, 100, 1800, 531}},
        {"one_too_wide_for_the_corrected_x", {5000, 100, 1801, 531}, {120, 100, 770, 531}},
        {"extremes", {INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}, {120, 100, 770, 473}},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(Validated(c.stored)), Text(c.expected)) << c.name;
}

// Any values on any screen, even a failed measurement (0 or negative): each
// axis fits or falls back, without overflow, and a second check changes
// nothing.
TEST(ValidatePlacementTest, RandomValuesAndScreens) {
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        auto any = [&] { return static_cast<std::int32_t>(random()); };
        std::int32_t screenWidth = i % 100 == 0 ? any() : static_cast<std::int32_t>(random() % 4000);
        std::int32_t screenHeight = static_cast<std::int32_t>(random() % 4000);
        Placement p = Validated({any(), any(), any(), any()}, screenWidth, screenHeight);
        SCOPED_TRACE(Text(p) + " on " + std::to_string(screenWidth) + "x" + std::to_string(screenHeight));
        ASSERT_TRUE((p.x >= 0 && p.x <= screenWidth) || p.x == 120);
        ASSERT_TRUE((p.width >= 0 && std::int64_t{p.width} <= std::int64_t{screenWidth} - p.x) || p.width == 770);
        ASSERT_TRUE((p.height >= 0 && p.height <= screenHeight - p.y) || p.height == 473);
        ASSERT_EQ(Text(Validated(p, screenWidth, screenHeight)), Text(p));
    }
}

TEST(CascadeTest, StepsUpAndLeftOrNearTheEdgeTheOtherWayAndShrinks) {
    const struct {
        const char* name;
        Placement last;
        std::int32_t screenWidth, screenHeight;
        Placement expected;
    } cases[] = {
        {"room_up_and_left", {120, 100, 850, 531}, 1920, 1080, {90, 70, 850, 531}},
        {"exactly_one_step_in", {30, 30, 850, 531}, 1920, 1080, {0, 0, 850, 531}},
        {"near_the_edge", {10, 29, 800, 600}, 1920, 1080, {40, 59, 800, 600}},
        {"near_the_edge_and_wide", {10, 0, 1900, 1080}, 1920, 1080, {40, 30, 1880, 1050}},
        {"extreme_size", {0, 0, INT_MAX, INT_MAX}, 1024, 768, {30, 30, 994, 738}},
        {"extreme_position", {INT_MAX, INT_MIN, 10, 10}, 1024, 768, {INT_MAX - 30, INT_MIN + 30, 10, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(CascadeFrom(c.last, c.screenWidth, c.screenHeight)), Text(c.expected)) << c.name;
    }
}

// The system reports a normal rectangle relative to the work area; a task bar
// at the top or left moves the work area, and the stored placement is on the
// screen. Shown normally the window stands where it is.
TEST(NormalPlacementTest, WorkspaceRectanglesComeBackToTheScreen) {
    const struct {
        const char* name;
        WindowPlacementFacts facts;
        Placement expected;
    } cases[] = {
        {"maximised_task_bar_at_the_top", {false, {-4, 36, 1288, 1000}, {200, 110, 600, 400}, 0, 40},
         {200, 150, 600, 400}},
        {"minimised_task_bar_at_the_left", {false, {-32000, -32000, 160, 28}, {140, 150, 600, 400}, 60, 0},
         {200, 150, 600, 400}},
        {"maximised_no_task_bar", {false, {-4, -4, 1288, 1032}, {200, 150, 600, 400}, 0, 0}, {200, 150, 600, 400}},
        {"normal_task_bar_at_the_top", {true, {200, 150, 600, 400}, {200, 110, 600, 400}, 0, 40},
         {200, 150, 600, 400}},
        {"shifted_past_the_end", {false, {}, {INT_MAX, INT_MIN, 1, 1}, 60, -40}, {INT_MAX, INT_MIN, 1, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(NormalPlacementOnScreen(c.facts)), Text(c.expected)) << c.name;
}

}  // namespace
}  // namespace velmo
