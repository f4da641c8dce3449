#include "settings/setting_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velmo {
namespace {

// Written as unsigned decimal, which reads back; the number forms read are
// checked with every key of the settings file. A refused text leaves the
// value alone.
TEST(SettingNumberTest, RandomValuesRoundTripAndLongTextsAreRefused) {
    std::int32_t value = 12345;
    EXPECT_FALSE(ParseSettingNumber(nullptr, &value));
    EXPECT_FALSE(ParseSettingNumber((std::string(64, '0') + "9").c_str(), &value));
    EXPECT_FALSE(ParseSettingNumber("1x", &value));
    EXPECT_EQ(value, 12345);
    EXPECT_TRUE(ParseSettingNumber((std::string(63, '0') + "9").c_str(), &value));
    EXPECT_EQ(value, 9);
    std::mt19937 random(7);
    for (int i = 0; i < 10000; ++i) {
        auto written = static_cast<std::int32_t>(random());
        char text[kSettingNumberSize];
        FormatSettingNumber(text, written);
        ASSERT_NE(text[0], '-');
        ASSERT_TRUE(ParseSettingNumber(text, &value));
        ASSERT_EQ(value, written);
    }
}

// Cut at the first line break, and quoted where the profile functions would
// drop blanks or a pair of quotation marks; refused when it does not fit.
TEST(ProfileTextTest, CutAtLineBreakAndQuotedWhenItWouldChange) {
    const struct {
        const char* text;
        std::size_t size;
        const char* prepared;  // null: refused, the destination emptied
    } cases[] = {
        {"plain text", 300, "plain text"}, {"first\r\nsecond", 300, "first"}, {"first\nsecond", 300, "first"},
        {"\rall gone", 300, ""}, {" lead", 300, "\" lead\""}, {"trail\t", 300, "\"trail\t\""},
        {"\"quoted\"", 300, "\"\"quoted\"\""}, {"'single'", 300, "\"'single'\""}, {"\"half", 300, "\"half"},
        {"\"", 300, "\""}, {"'x\"", 300, "'x\""}, {"a \"b\" c", 300, "a \"b\" c"}, {" x\nrest ", 300, "\" x\""},
        {"abc", 4, "abc"}, {"abcd", 4, nullptr}, {" ab", 5, nullptr}, {" ab", 6, "\" ab\""}, {"x", 0, nullptr}};
    for (const auto& c : cases) {
        std::string buffer(c.size + 1, '#');
        EXPECT_EQ(PrepareProfileText(buffer.data(), c.size, c.text), c.prepared != nullptr) << c.text;
        if (c.size == 0) continue;
        EXPECT_STREQ(buffer.c_str(), c.prepared ? c.prepared : "") << c.text;
    }
}

}  // namespace
}  // namespace velmo
