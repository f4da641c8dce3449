#include "common/text_utils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bounded_write.h"
#include "common/safe_format.h"

namespace velmo {
namespace {

using testing::ExpectBoundedWrite;

std::string RandomText(std::mt19937& rng, const char* alphabet) {
    std::string text(rng() % 12, ' ');
    for (char& c : text) c = alphabet[rng() % std::char_traits<char>::length(alphabet)];
    return text;
}

// Written differently from the helper: spaces put in from the right.
std::string GroupedModel(const std::string& digits) {
    std::string text = digits;
    for (int at = static_cast<int>(text.size()) - 3; at > 0; at -= 3) text.insert(static_cast<std::size_t>(at), " ");
    return text;
}

// Each helper with random texts into destinations of every size around the
// result's, against the plain string it must give.
TEST(TextUtilsTest, BoundedHelpersAgreeWithStringModels) {
    std::mt19937 rng(5);
    for (int round = 0; round < 4000; ++round) {
        std::string a = RandomText(rng, "ab\\"), b = RandomText(rng, "cd"), c = RandomText(rng, "e");
        std::size_t size = rng() % 28;
        ExpectBoundedWrite("copy", size, a, true, [&](char* d, std::size_t n) { return BoundedCopy(d, n, a.c_str()); });
        ExpectBoundedWrite("append", size, b + a, true, [&](char* d, std::size_t n) {
            if (n == 0) return BoundedAppend(d, n, a.c_str());  // no room at all
            return BoundedCopy(d, n, b.c_str()) && BoundedAppend(d, n, a.c_str());
        });
        ExpectBoundedWrite("join", size, a + b + c, false, [&](char* d, std::size_t n) {
            return JoinPath(d, n, {a.c_str(), b.c_str(), c.c_str()});
        });
        // The first "%" takes the argument, later ones are dropped; a "%" in the argument stays.
        std::string pattern = RandomText(rng, "x%"), argument = RandomText(rng, "y%"), substituted;
        bool first = true;
        for (char ch : pattern) {
            if (ch != '%') substituted += ch;
            if (ch == '%' && first) substituted += argument;
            if (ch == '%') first = false;
        }
        ExpectBoundedWrite("substitute", size, substituted, true, [&](char* d, std::size_t n) {
            return SubstitutePercent(d, n, pattern.c_str(), argument.c_str());
        });
        std::uint32_t value = static_cast<std::uint32_t>(rng()) >> (rng() % 32);
        std::string digits = rng() % 8 != 0 ? std::to_string(value) : "";
        ExpectBoundedWrite("unsigned", size % 12, std::to_string(value), false,
                           [&](char* d, std::size_t n) { return FormatUnsigned(d, n, value); });
        ExpectBoundedWrite("grouped", size % 16, GroupedModel(digits), false,
                           [&](char* d, std::size_t n) { return GroupDigits(d, n, digits.c_str()); });
        if (HasFailure()) FAIL() << "round " << round << ": \"" << a << "\" \"" << b << "\" \"" << c << "\"";
    }
}

// Unsigned decimal only; a length stops at its limit, a name follows the last backslash.
TEST(TextUtilsTest, ParsingLengthsAndNames) {
    std::uint32_t v = 42;
    EXPECT_TRUE(ParseUnsigned("4294967295", &v));
    EXPECT_EQ(v, 4294967295u);
    EXPECT_TRUE(ParseUnsigned("007", &v));
    EXPECT_EQ(v, 7u);
    for (const char* bad : {"", "4294967296", "99999999999999999999", "-1", "+1", " 1", "1a", "0x10", "/", ":"}) {
        v = 42;
        EXPECT_FALSE(ParseUnsigned(bad, &v)) << bad;
        EXPECT_EQ(v, 42u) << bad;
    }
    EXPECT_FALSE(ParseUnsigned(nullptr, &v));
    const char text[4] = {'a', 'b', 'c', 'd'};  // no terminator
    EXPECT_EQ(BoundedLength(text, 4), 4u);
    EXPECT_EQ(BoundedLength("ab", 10), 2u);
    EXPECT_STREQ(FileNamePart("C:\\dir\\sub\\name.txt"), "name.txt");
    EXPECT_STREQ(FileNamePart("a/b"), "a/b");
    EXPECT_STREQ(FileNamePart("C:\\dir\\"), "");
}

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
