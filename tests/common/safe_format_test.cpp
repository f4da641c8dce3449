#include "common/safe_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bounded_write.h"

namespace velmo {
namespace {

using testing::ExpectBoundedWrite;

std::string Format(const char* format, std::vector<FormatArg> args) {
    char out[256];
    FormatText(out, sizeof out, format, args.data(), args.size());
    return out;
}

// One conversion as printf writes it, with an argument of the type it reads.
std::string Printf(const std::string& directive, char conversion, std::uint32_t number, const std::string& text) {
    char out[64];
    if (conversion == 's') {
        std::snprintf(out, sizeof out, directive.c_str(), text.c_str());
    } else if (conversion == 'd' || conversion == 'i' || conversion == 'c') {
        std::snprintf(out, sizeof out, directive.c_str(), static_cast<int>(number));
    } else {
        std::snprintf(out, sizeof out, directive.c_str(), number);
    }
    return out;
}

// Random formats of what printf shares with the formatter (flags, widths,
// every conversion) against printf, and every cut of the result.
TEST(FormatTextTest, AgreesWithPrintfAndCutsToTheDestination) {
    std::mt19937 rng(9);
    const char* flags[] = {"", "-", "0", "-0"};
    for (int round = 0; round < 3000; ++round) {
        std::string format, expected, texts[4];
        std::vector<FormatArg> args;
        for (std::string& text : texts) {
            std::string literal(rng() % 3, "ab "[rng() % 3]);
            char conversion = "sduixXc%"[rng() % 8];
            bool number = conversion != 's' && conversion != 'c' && conversion != '%';
            std::string directive = std::string("%") + (number ? flags[rng() % 4] : "");
            if (conversion != '%' && rng() % 2) directive += std::to_string(rng() % 20);
            directive += conversion;
            format += literal + directive;
            auto value = static_cast<std::uint32_t>(rng()) >> (rng() % 32);
            if (conversion == 'c') value = 'A' + value % 26;
            text.assign(rng() % 6, 'T');
            expected += literal + Printf(directive, conversion, value, text);
            if (conversion == 's') args.push_back(FormatArg::Text(text.c_str()));
            if (number || conversion == 'c') args.push_back(FormatArg::Number(value));
        }
        SCOPED_TRACE(format);
        ASSERT_EQ(Format(format.c_str(), args), expected);
        ExpectBoundedWrite("format", rng() % 40, expected, true, [&](char* d, std::size_t n) {
            return FormatText(d, n, format.c_str(), args.data(), args.size());
        });
    }
}

// A library's pattern may ask for other arguments than the program gives.
TEST(FormatTextTest, MismatchedAndMissingArgumentsAreHarmless) {
    auto n = FormatArg::Number;
    EXPECT_EQ(Format("%s and %s|%d %x", {n(5), FormatArg::Text(""), FormatArg::Text("text")}), "5 and |text ");
    EXPECT_EQ(Format("%s%s%n%p%ld%hu|%99d|", {n(1), n(2), n(3), n(4), n(5)}),
              "12%n%p34|" + std::string(98, ' ') + "5|");
    EXPECT_EQ(Format("%100d|", {n(1)}), "%100d|");  // wider than two digits: not a conversion
    char out[6];
    EXPECT_TRUE(FormatText(out, sizeof out, "%s", nullptr, 0));
}

}  // namespace
}  // namespace velmo
