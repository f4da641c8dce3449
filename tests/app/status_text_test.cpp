#include "app/status_text.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

constexpr char kPosition[] = "Line %s, column %s, selected %s";

TEST(StatusTextTest, PositionNumbersAreGroupedInThrees) {
    char text[128];
    ASSERT_TRUE(FormatPositionText(text, sizeof text, kPosition, 1234567, 12345, 1000));
    EXPECT_STREQ(text, "Line 1 234 567, column 12 345, selected 1 000");
    ASSERT_TRUE(FormatPositionText(text, sizeof text, kPosition, 1, 999, 0));
    EXPECT_STREQ(text, "Line 1, column 999, selected 0");
    ASSERT_TRUE(FormatPositionText(text, sizeof text, kPosition, 4294967295u, 1, 1));
    EXPECT_STREQ(text, "Line 4 294 967 295, column 1, selected 1");
}

TEST(StatusTextTest, BadPatternsAndSmallBuffersStaySafe) {
    char text[16];
    EXPECT_FALSE(FormatPositionText(text, sizeof text, kPosition, 1234567, 1, 0));
    EXPECT_EQ(text[sizeof text - 1], '\0');
    // A library whose pattern asks for numbers or more arguments than given.
    char wide[64];
    FormatPositionText(wide, sizeof wide, "%d %s %s %s %n", 7, 8, 9);
    EXPECT_STREQ(wide, "7 8 9  %n");
}

TEST(StatusTextTest, LineCountCharacterAndCodePage) {
    char text[64];
    ASSERT_TRUE(FormatLineCountText(text, sizeof text, "Lines: %", 1234567));
    EXPECT_STREQ(text, "Lines: 1 234 567");
    ASSERT_TRUE(FormatCharacterText(text, sizeof text, "Character: %u (0x%02X)", 0xE9));
    EXPECT_STREQ(text, "Character: 233 (0xE9)");
    ASSERT_TRUE(FormatCharacterText(text, sizeof text, "%s|%s", 7));
    ASSERT_TRUE(FormatCodePageText(text, sizeof text, "1251"));
    EXPECT_STREQ(text, " CP: 1251");
}

}  // namespace
}  // namespace velmo
