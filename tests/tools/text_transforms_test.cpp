#include "tools/text_transforms.h"

#include <gtest/gtest.h>

#include <random>
#include <iterator>
#include <string>

#include "resource_ids.h"
#include "transform_models.h"

namespace velmo::testing {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kStart = 10;  // where the selection starts in the document
constexpr int kNotSet = -1;

struct ToolCase {
    const char* name;
    unsigned command;
    std::string text, expected;
    int selectStart, selectEnd;  // after the tool, relative to kStart; kNotSet when not set again
};

const ToolCase kCases[] = {
    {"lower", IDM_LOWER_CASE, "AbC1\xC9\xE9\0Z"s, "abc1\xE9\xE9\0z"s, 0, 8},
    {"upper", IDM_UPPER_CASE, "aBc1\xE9\xFF\xDF\0z"s, "ABC1\xC9\x9F\xDF\0Z"s, 0, 9},
    {"invert", IDM_INVERT_CASE, "aB\xC9\xE9\x8A\x9A\xD7\xF7\xDF" "5\0"s,
     "Ab\xE9\xC9\x9A\x8A\xD7\xF7\xDF" "5\0"s, 0, 11},
    {"reverse_crlf", IDM_REVERSE, "ab\r\nc", "c\r\nba", 0, 5},
    {"bold_empty", IDM_TAG_BOLD, "", "<b></b>", 3, 3},
    {"italic", IDM_TAG_ITALIC, "x", "<i>x</i>", 0, 8},
    {"bold_nul", IDM_TAG_BOLD, "\0"s, "<b>\0</b>"s, 0, 8},
    {"paragraph_empty", IDM_TAG_PARAGRAPH, "", "<p></p>", 3, 3},
    {"paragraphs_two", IDM_TAG_PARAGRAPH, "a\r\n\r\nb", "<p>a</p>\r\n<p>b</p>", 0, 18},
    {"remove_pairs", IDM_REMOVE_TAGS, "x<b>y</b>z", "xyz", kNotSet, kNotSet},
};

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

// Pieces of random texts: line breaks of every kind, tags and a NUL byte.
const std::string kPieces[] = {"a", "B", "<", ">", "\r\n", "\r", "\n", "\xE9", {'\0'}};

TEST(TextToolRandomTest, AgreesWithPlainModels) {
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = rng() % 16; n > 0; --n) text += kPieces[rng() % std::size(kPieces)];
        SCOPED_TRACE("round " + std::to_string(round));
        // What follows the selection could complete a break or a tag; no tool may read it.
        std::string followed = text + "\n\r\n";
        std::string reversed = Apply(IDM_REVERSE, followed, text.size());
        ASSERT_EQ(reversed, ReverseModel(text));
        // Only a lone LF before a lone CR can make a new pair when reversed.
        if (text.find("\n\r") == std::string::npos) {
            ASSERT_EQ(Apply(IDM_REVERSE, reversed), text);
        }
        ASSERT_EQ(Apply(IDM_REMOVE_TAGS, text + ">", text.size()), RemoveTagsModel(text));
        ASSERT_EQ(Apply(IDM_TAG_PARAGRAPH, followed, text.size()), ParagraphsModel(text));
    }
}

}  // namespace
}  // namespace velmo::testing
