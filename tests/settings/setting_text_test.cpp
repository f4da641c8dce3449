#include "settings/setting_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velmo {
namespace {

// Written as unsigned decimal; read in that form, signed, or with blanks.
// A text that is refused leaves the value alone.
TEST(SettingNumberTest, ReadsBothFormsAndRefusesTheRest) {
    const int kRefused = 12345;
    const std::pair<std::string, std::int32_t> cases[] = {
        {"4294967283", -13}, {"-13", -13}, {"4294967295", -1}, {"-1", -1}, {" 42\t", 42}, {"\v7\f", 7},
        {"007", 7}, {"-0", 0}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN},
        {std::string(63, '0') + "9", 9}, {std::string(64, '0') + "9", kRefused},
        {"", kRefused}, {" ", kRefused}, {"-", kRefused}, {"--5", kRefused}, {"+5", kRefused},
        {"12abc", kRefused}, {"0x10", kRefused}, {"1 2", kRefused}, {"- 5", kRefused}, {"4294967296", kRefused},
        {"99999999999999999999", kRefused}, {"-2147483649", kRefused}, {"1.5", kRefused}, {"\xff", kRefused}};
    for (const auto& [text, expected] : cases) {
        std::int32_t value = kRefused;
        EXPECT_EQ(ParseSettingNumber(text.c_str(), &value), expected != kRefused) << text;
        EXPECT_EQ(value, expected) << text;
    }
    std::int32_t value = kRefused;
    EXPECT_FALSE(ParseSettingNumber(nullptr, &value));
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
