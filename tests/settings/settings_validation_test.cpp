#include "settings/settings_validation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

namespace velmo {
namespace {

// What validation must give for a value outside the key's range.
std::int32_t Expected(const IntKey& key, std::int32_t value) {
    switch (key.fix) {
        case OutOfRange::Clamp:
            return value < key.min ? key.min : key.max;
        case OutOfRange::CapUnsigned:
            return key.max;
        default:
            return key.defaultValue;
    }
}

TEST(ValidateIntSettingTest, EveryKeyKeepsItsRangeAndMendsTheRest) {
    for (const IntKey& key : kIntKeys) {
        SCOPED_TRACE(key.name);
        if (key.fix == OutOfRange::CheckScreen) {
            EXPECT_EQ(ValidateIntSetting(key, INT32_MIN), INT32_MIN);  // left to the placement rule
            continue;
        }
        EXPECT_EQ(ValidateIntSetting(key, key.min), key.min);
        EXPECT_EQ(ValidateIntSetting(key, key.max), key.max);
        EXPECT_EQ(ValidateIntSetting(key, key.defaultValue), key.defaultValue);
        for (std::int64_t bad : {std::int64_t{key.min} - 1, std::int64_t{key.max} + 1, std::int64_t{INT32_MIN},
                                 std::int64_t{INT32_MAX}, std::int64_t{-1}, std::int64_t{-5}}) {
            if (bad >= key.min && bad <= key.max) continue;
            if (bad < INT32_MIN || bad > INT32_MAX) continue;
            auto value = static_cast<std::int32_t>(bad);
            EXPECT_EQ(ValidateIntSetting(key, value), Expected(key, value)) << bad;
        }
    }
}

struct Placement {
    std::int32_t x, y, width, height;
};

Placement Validated(Placement p, std::int32_t screenWidth, std::int32_t screenHeight) {
    Settings s = DefaultSettings();
    s.x = p.x;
    s.y = p.y;
    s.width = p.width;
    s.height = p.height;
    ValidatePlacement(s, screenWidth, screenHeight);
    return {s.x, s.y, s.width, s.height};
}

void ExpectPlacement(Placement actual, Placement expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

TEST(ValidatePlacementTest, AgainstTheScreen) {
    ExpectPlacement(Validated({120, 100, 850, 531}, 1920, 1080), {120, 100, 850, 531});
    ExpectPlacement(Validated({-5, 100, 850, 531}, 1920, 1080), {120, 100, 850, 531});
    ExpectPlacement(Validated({120, 100, 5000, 531}, 1920, 1080), {120, 100, 770, 531});
    ExpectPlacement(Validated({120, -1, 850, 2000}, 1920, 1080), {120, 100, 850, 473});
    // The edges themselves are allowed.
    ExpectPlacement(Validated({1920, 1080, 0, 0}, 1920, 1080), {1920, 1080, 0, 0});
    ExpectPlacement(Validated({0, 0, 1920, 1080}, 1920, 1080), {0, 0, 1920, 1080});
    ExpectPlacement(Validated({1921, 1081, 10, 10}, 1920, 1080), {120, 100, 10, 10});
    ExpectPlacement(Validated({100, 100, 1821, -1}, 1920, 1080), {100, 100, 770, 473});
    // The width is checked against the corrected x.
    ExpectPlacement(Validated({5000, 100, 1800, 531}, 1920, 1080), {120, 100, 1800, 531});
    ExpectPlacement(Validated({5000, 100, 1801, 531}, 1920, 1080), {120, 100, 770, 531});
}

TEST(ValidatePlacementTest, ExtremeValuesAndScreens) {
    ExpectPlacement(Validated({INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}, 1920, 1080), {120, 100, 770, 473});
    // A failed screen measurement (0 or negative) must not overflow.
    for (std::int32_t screen : {0, -1, INT32_MIN, INT32_MAX}) {
        Placement p = Validated({INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX}, screen, screen);
        EXPECT_GE(p.width, 0);
        EXPECT_GE(p.height, 0);
    }
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        auto any = [&] { return static_cast<std::int32_t>(random()); };
        std::int32_t screenWidth = static_cast<std::int32_t>(random() % 4000);
        std::int32_t screenHeight = static_cast<std::int32_t>(random() % 4000);
        Placement p = Validated({any(), any(), any(), any()}, screenWidth, screenHeight);
        bool xOk = p.x >= 0 && p.x <= screenWidth;
        EXPECT_TRUE(xOk || p.x == 120);
        EXPECT_TRUE((p.width >= 0 && p.width <= screenWidth - p.x) || p.width == 770);
        EXPECT_TRUE((p.height >= 0 && p.height <= screenHeight - p.y) || p.height == 473);
        // Validating again changes nothing.
        Placement again = Validated(p, screenWidth, screenHeight);
        ExpectPlacement(again, p);
    }
}

TEST(ValidateSettingsTest, TextsAreTerminatedAndTheFaceNeverEmpty) {
    Settings s = DefaultSettings();
    std::memset(s.fontName, 'F', sizeof s.fontName);
    std::memset(s.findString, 'S', sizeof s.findString);
    std::memset(s.replaceString, 'R', sizeof s.replaceString);
    std::memset(s.recent.slots[3], 'P', sizeof s.recent.slots[3]);
    ValidateSettings(s, 1920, 1080);
    EXPECT_EQ(std::string(s.fontName), std::string(31, 'F'));
    EXPECT_EQ(std::string(s.findString), std::string(259, 'S'));
    EXPECT_EQ(std::string(s.replaceString), std::string(259, 'R'));
    EXPECT_EQ(std::string(s.recent.slots[3]), std::string(259, 'P'));
    s.fontName[0] = '\0';
    ValidateSettings(s, 1920, 1080);
    EXPECT_STREQ(s.fontName, "Lucida Console");
}

TEST(ClampSpacingTest, KeepsDialogValuesInRange) {
    EXPECT_EQ(ClampSpacing(250), 250);
    EXPECT_EQ(ClampSpacing(0), 0);
    EXPECT_EQ(ClampSpacing(1000), 1000);
    EXPECT_EQ(ClampSpacing(1001), 1000);
    EXPECT_EQ(ClampSpacing(-1), 0);
    EXPECT_EQ(ClampSpacing(INT64_MAX), 1000);
    EXPECT_EQ(ClampSpacing(INT64_MIN), 0);
    EXPECT_EQ(ClampSpacing(4294967295LL), 1000);
}

}  // namespace
}  // namespace velmo
