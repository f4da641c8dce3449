#include "common/safe_format.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

std::string Format(const char* format, std::initializer_list<FormatArg> args, std::size_t size = 128) {
    std::string out(size + 8, '#');
    FormatText(out.data(), size, format, args.begin(), args.size());
    EXPECT_EQ(out.substr(size), std::string(8, '#')) << "wrote past the destination";
    return out.c_str();
}

TEST(FormatTextTest, StatusBarFormats) {
    auto a = FormatArg::Text;
    EXPECT_EQ(Format("Ln %s, Col %s, Sel %s", {a("12 345"), a("7"), a("1 000")}), "Ln 12 345, Col 7, Sel 1 000");
    auto n = FormatArg::Number;
    EXPECT_EQ(Format("Char: %d (0x%02X)", {n(233), n(233)}), "Char: 233 (0xE9)");
    EXPECT_EQ(Format("%u|%5d|%-5d|%05d|%x|%c", {n(7), n(42), n(42), n(static_cast<std::uint32_t>(-42)), n(255), n('A')}),
              "7|   42|42   |-0042|ff|A");
    EXPECT_EQ(Format("%d", {n(0x80000000u)}), "-2147483648");
    EXPECT_EQ(Format("100%% done %", {}), "100% done %");
}

TEST(FormatTextTest, MismatchedAndMissingArgumentsAreHarmless) {
    EXPECT_EQ(Format("%s and %s", {FormatArg::Number(5)}), "5 and ");
    EXPECT_EQ(Format("%d %x", {FormatArg::Text("text")}), "text ");
    EXPECT_EQ(Format("%s%s%s%s%s%s%s%s%n%p", {}), "%n%p");
    EXPECT_EQ(Format("%99d|", {FormatArg::Number(1)}).size(), 100u);
    EXPECT_EQ(Format("%999999d|", {FormatArg::Number(1)}), "%999999d|");  // wider than two digits: not a conversion
}

TEST(FormatTextTest, CutsToTheDestination) {
    for (std::size_t size = 1; size < 20; ++size) {
        std::string out = Format("Line %s of %s", {FormatArg::Text("1 234 567"), FormatArg::Text("9 999 999")}, size);
        EXPECT_LT(out.size(), size);
    }
    char out[6];
    EXPECT_TRUE(FormatText(out, sizeof out, "%s", nullptr, 0));
    FormatArg big = FormatArg::Text("toolong");
    EXPECT_FALSE(FormatText(out, sizeof out, "%s", &big, 1));
    EXPECT_STREQ(out, "toolo");
}

}  // namespace
}  // namespace velmo
