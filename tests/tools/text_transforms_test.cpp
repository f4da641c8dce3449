#include "tools/text_transforms.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace velmo {
namespace {

using namespace std::string_literals;

// Code page 1252 as Windows classifies it: ASCII and the accented Latin
// letters in pairs, the few letters without a partner of the other case
// (sharp s, micro, ordinals) lower case and unchanged by upper-casing.
CaseTable Cp1252Cases() {
    CaseTable cases{};
    for (int b = 0; b < 256; ++b) {
        cases.lower[b] = cases.upper[b] = static_cast<std::uint8_t>(b);
        cases.kind[b] = LetterCase::None;
    }
    auto pair = [&cases](int upper, int lower) {
        cases.lower[upper] = static_cast<std::uint8_t>(lower);
        cases.upper[lower] = static_cast<std::uint8_t>(upper);
        cases.kind[upper] = LetterCase::Upper;
        cases.kind[lower] = LetterCase::Lower;
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) pair(c, c + 32);
    }
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8E, 0x9E);
    pair(0x9F, 0xFF);
    for (int c : {0xAA, 0xB5, 0xBA, 0xDF}) cases.kind[c] = LetterCase::Lower;
    return cases;
}

const CaseTable& Cases() {
    static const CaseTable cases = Cp1252Cases();
    return cases;
}

// The tool's result as a string, or "<no memory>".
std::string Apply(unsigned command, const std::string& text) {
    ToolText out(SystemHeap());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!TransformText(command, Cases(), bytes, static_cast<std::uint32_t>(text.size()), out)) return "<no memory>";
    return std::string(reinterpret_cast<const char*>(out.Bytes()), out.Length());
}

constexpr std::uint32_t kStart = 10;  // where the selection starts in the document
constexpr int kNotSet = -1;

struct ToolCase {
    const char* name;
    unsigned command;
    std::string text;
    std::string expected;
    int selectStart;  // after the tool, relative to kStart; kNotSet when not set again
    int selectEnd;
};

const ToolCase kCases[] = {
    {"lower", IDM_LOWER_CASE, "AbC1\xC9\xE9\0Z"s, "abc1\xE9\xE9\0z"s, 0, 8},
    {"upper", IDM_UPPER_CASE, "aBc1\xE9\xFF\xDF\0z"s, "ABC1\xC9\x9F\xDF\0Z"s, 0, 9},
    {"invert_ascii", IDM_INVERT_CASE, "aB1", "Ab1", 0, 3},
    {"invert_accented", IDM_INVERT_CASE, "\xC9\xE9\x8A\x9A\xD7\xF7\xDF" "5\0"s, "\xE9\xC9\x9A\x8A\xD7\xF7\xDF" "5\0"s, 0, 9},
    {"reverse_crlf", IDM_REVERSE, "ab\r\nc", "c\r\nba", 0, 5},
    {"reverse_nul", IDM_REVERSE, "a\0b"s, "b\0a"s, 0, 3},
    {"bold_empty", IDM_TAG_BOLD, "", "<b></b>", 3, 3},
    {"italic", IDM_TAG_ITALIC, "x", "<i>x</i>", 0, 8},
    {"bold_nul", IDM_TAG_BOLD, "\0"s, "<b>\0</b>"s, 0, 8},
    {"paragraph_empty", IDM_TAG_PARAGRAPH, "", "<p></p>", 3, 3},
    {"paragraphs_two", IDM_TAG_PARAGRAPH, "a\r\n\r\nb", "<p>a</p>\r\n<p>b</p>", 0, 18},
    {"paragraph_trailing_cr", IDM_TAG_PARAGRAPH, "a\r\n\r", "<p>a\r\n\r</p>", 0, 11},
    {"paragraph_three_breaks", IDM_TAG_PARAGRAPH, "\r\n\r\n\r\n", "<p></p>\r\n<p>\r\n</p>", 0, 18},
    {"remove_pairs", IDM_REMOVE_TAGS, "x<b>y</b>z", "xyz", kNotSet, kNotSet},
    {"remove_unmatched", IDM_REMOVE_TAGS, "a<b", "a<b", kNotSet, kNotSet},
    {"remove_then_unmatched", IDM_REMOVE_TAGS, "<b>a<b", "a<b", kNotSet, kNotSet},
    {"remove_at_end", IDM_REMOVE_TAGS, "a<b>", "a", kNotSet, kNotSet},
    {"remove_nul_inside", IDM_REMOVE_TAGS, "a\0<\0>b\0"s, "a\0b\0"s, kNotSet, kNotSet},
};

void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }

class TextToolTest : public ::testing::TestWithParam<ToolCase> {
protected:
    void TearDown() override { SystemHeap().FailAfter(0); }
};

TEST_P(TextToolTest, MakesTheReplacementAndTheNewSelection) {
    const ToolCase& c = GetParam();
    std::string result = Apply(c.command, c.text);
    EXPECT_EQ(result, c.expected);
    ToolSelection selection{};
    auto selected = static_cast<std::uint32_t>(c.text.size());
    bool set = SelectionAfterTool(c.command, kStart, selected, static_cast<std::uint32_t>(result.size()), &selection);
    ASSERT_EQ(set, c.selectStart != kNotSet);
    if (!set) return;
    EXPECT_EQ(selection.start, kStart + c.selectStart);
    EXPECT_EQ(selection.end, kStart + c.selectEnd);
}

TEST_P(TextToolTest, ReportsMemoryRunningOut) {
    SystemHeap().FailAfter(1);
    EXPECT_EQ(Apply(GetParam().command, GetParam().text), "<no memory>");
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToolTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Plain models of the rules, written as the rules read.
std::string ReverseModel(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            characters.push_back("\r\n");
            ++i;
        } else {
            characters.push_back(text.substr(i, 1));
        }
    }
    std::string result;
    for (auto it = characters.rbegin(); it != characters.rend(); ++it) result += *it;
    return result;
}

std::string RemoveTagsModel(std::string text) {
    std::size_t scan = 0;
    while ((scan = text.find('<', scan)) != std::string::npos) {
        std::size_t close = text.find('>', scan + 1);
        if (close == std::string::npos) break;
        text.erase(scan, close - scan + 1);
    }
    return text;
}

std::string ParagraphsModel(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n\r\n", at)) != std::string::npos; at += 9) {
        text.replace(at, 4, "</p>\r\n<p>");
    }
    return "<p>" + text + "</p>";
}

std::string RandomText(std::mt19937& rng) {
    static const char kAlphabet[] = {'a', 'B', '<', '>', '\r', '\n', '\0', '\xE9'};
    std::string text(rng() % 24, ' ');
    for (char& c : text) c = kAlphabet[rng() % sizeof kAlphabet];
    return text;
}

TEST(TextToolRandomTest, AgreesWithPlainModels) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text = RandomText(rng);
        SCOPED_TRACE("round " + std::to_string(round));
        std::string reversed = Apply(IDM_REVERSE, text);
        ASSERT_EQ(reversed, ReverseModel(text));
        // Only a lone LF before a lone CR can make a new pair when reversed.
        if (text.find("\n\r") == std::string::npos) {
            ASSERT_EQ(Apply(IDM_REVERSE, reversed), text);
        }
        ASSERT_EQ(Apply(IDM_REMOVE_TAGS, text), RemoveTagsModel(text));
        ASSERT_EQ(Apply(IDM_TAG_PARAGRAPH, text), ParagraphsModel(text));
    }
}

}  // namespace
}  // namespace velmo
