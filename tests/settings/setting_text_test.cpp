#include "settings/setting_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace velmo {
namespace {

std::int32_t Parsed(const char* text) {
    std::int32_t value = 12345;
    EXPECT_TRUE(ParseSettingNumber(text, &value)) << text;
    return value;
}

bool Rejects(const char* text) {
    std::int32_t value = 12345;
    bool ok = ParseSettingNumber(text, &value);
    return !ok && value == 12345;
}

// Written as unsigned decimal; read in that form, signed, or with blanks.
TEST(SettingNumberTest, BothFormsReadBack) {
    const std::pair<const char*, std::int32_t> read[] = {
        {"4294967283", -13}, {"-13", -13}, {"4294967295", -1},      {"-1", -1},
        {" 42\t", 42},       {"007", 7},   {"-0", 0},               {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MIN}};
    for (const auto& [text, value] : read) EXPECT_EQ(Parsed(text), value) << text;
    char text[kSettingNumberSize];
    FormatSettingNumber(text, -13);
    EXPECT_STREQ(text, "4294967283");
}

TEST(SettingNumberTest, RejectsGarbageAndNumbersBeyond32Bits) {
    for (const char* bad : {"", " ", "-", "--5", "+5", "12abc", "abc", "0x10", "1 2", "- 5", "4294967296",
                            "99999999999999999999", "-2147483649", "1.5", "\xff"}) {
        EXPECT_TRUE(Rejects(bad)) << bad;
    }
    std::string longZeros(100, '0');
    EXPECT_TRUE(Rejects(longZeros.c_str()));
    EXPECT_TRUE(Rejects(nullptr));
}

TEST(SettingNumberTest, RandomValuesRoundTrip) {
    std::mt19937 random(7);
    for (int i = 0; i < 10000; ++i) {
        auto value = static_cast<std::int32_t>(random());
        char text[kSettingNumberSize];
        FormatSettingNumber(text, value);
        EXPECT_NE(text[0], '-');
        EXPECT_EQ(Parsed(text), value);
    }
}

std::string Prepared(const char* text, std::size_t size = 300) {
    std::string buffer(size, '#');
    bool ok = PrepareProfileText(buffer.data(), size, text);
    return ok ? std::string(buffer.c_str()) : "<refused:" + std::string(buffer.c_str()) + ">";
}

TEST(ProfileTextTest, CutAtLineBreakAndQuotedWhenItWouldChange) {
    EXPECT_EQ(Prepared("plain text"), "plain text");
    EXPECT_EQ(Prepared("first\r\nsecond"), "first");
    EXPECT_EQ(Prepared("first\nsecond"), "first");
    EXPECT_EQ(Prepared("\rall gone"), "");
    EXPECT_EQ(Prepared(" lead"), "\" lead\"");
    EXPECT_EQ(Prepared("trail\t"), "\"trail\t\"");
    EXPECT_EQ(Prepared("\"quoted\""), "\"\"quoted\"\"");
    EXPECT_EQ(Prepared("'single'"), "\"'single'\"");
    EXPECT_EQ(Prepared("\"half"), "\"half");
    EXPECT_EQ(Prepared("\""), "\"");
    EXPECT_EQ(Prepared("a \"b\" c"), "a \"b\" c");
    EXPECT_EQ(Prepared(" x\nrest "), "\" x\"");
}

TEST(ProfileTextTest, RefusesWhatDoesNotFit) {
    EXPECT_EQ(Prepared("abc", 4), "abc");
    EXPECT_EQ(Prepared("abcd", 4), "<refused:>");
    EXPECT_EQ(Prepared(" ab", 5), "<refused:>");
    EXPECT_EQ(Prepared(" ab", 6), "\" ab\"");
    EXPECT_FALSE(PrepareProfileText(nullptr, 0, "x"));
}

}  // namespace
}  // namespace velmo
