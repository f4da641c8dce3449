#include "editview/view/row_table_builder.h"

#include <gtest/gtest.h>

#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::ReferenceRows;
using test::Size;
using test::TableEntries;

class RowTableBuilderTest : public ::testing::Test {
protected:
    void TearDown() override {
        SystemHeap().FailAfter(0);
        SystemHeap().FailAlways(false);
        SystemHeap().Free(table.handle);
    }
    std::vector<RowEntry> Build(const std::string& text, std::uint32_t wrap) {
        SystemHeap().Free(table.handle);
        table = RowTable{};
        EXPECT_TRUE(BuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths, wrap}, &table));
        return TableEntries(table);
    }
    // Counts, closing entry and slack agree with the entries.
    void ExpectConsistent(const std::string& text) {
        EXPECT_EQ(table.last + 1, table.count);
        EXPECT_EQ(table.Length(), text.size());
        EXPECT_EQ(table.entries[table.count].line, table.logicalCount);
        EXPECT_EQ(table.entries[table.last].line + 1, table.logicalCount);
        EXPECT_GE(table.free, 65536u);
        EXPECT_EQ(table.blockSize - table.free, 8 * (table.count + 1));
    }
    CharWidthTable widths = test::UniformWidths(10, 35);  // tab width 40
    RowTable table;
};

// Every character 10 pixels wide, "W" 35, tabs every 40; breaking is by
// character, not by word.
struct RowsCase {
    const char* name;
    std::string text;
    std::uint32_t wrap;
    bool shown;  // control characters shown as boxes ("CR" and "LF": 50 pixels)
    std::vector<RowEntry> rows;
};

void PrintTo(const RowsCase& c, std::ostream* out) { *out << c.name; }

class RowsTest : public RowTableBuilderTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(RowsTest, BreakAsTheRulesSay) {
    widths.ShowControlChars(GetParam().shown);
    EXPECT_EQ(Build(GetParam().text, GetParam().wrap), GetParam().rows);
    ExpectConsistent(GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowsTest,
    ::testing::Values(
        RowsCase{"EmptyTextIsOneRow", "", 100, false, {{0, 0}, {0, 1}}},
        RowsCase{"SpaceAndWordCutWhereTheWidthRunsOut", "abc defgh", 30, false, {{0, 0}, {3, 0}, {6, 0}, {9, 1}}},
        RowsCase{"ExactlyAsWideAsTheArea", "abcdefgh", 80, false, {{0, 0}, {8, 1}}},
        RowsCase{"OneMoreWraps", "abcdefghi", 80, false, {{0, 0}, {8, 0}, {9, 1}}},
        RowsCase{"FullRowTakesItsBreak", "abc\r\nd", 30, false, {{0, 0}, {5, 1}, {6, 2}}},
        RowsCase{"BreakAtTheEndLeavesAnEmptyRow", "abc\r\n", 30, false, {{0, 0}, {5, 1}, {5, 2}}},
        RowsCase{"WideCharacterStandsAlone", "aWb", 30, false, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        RowsCase{"WideCharacterBeforeABreak", "W\r\nb", 30, false, {{0, 0}, {3, 1}, {4, 2}}},
        RowsCase{"ZeroWidthAreaOneCharacterPerRow", "ab", 0, false, {{0, 0}, {1, 0}, {2, 1}}},
        RowsCase{"TabThatDoesNotFitSpansAWholeTab", "a\tb", 35, false, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        RowsCase{"TabThatFits", "a\tb", 50, false, {{0, 0}, {3, 1}}},
        RowsCase{"LoneCrLfAndNulAreCharacters", std::string("a\rb\nc\0d", 7), 40, false, {{0, 0}, {4, 0}, {7, 1}}},
        RowsCase{"ShownBreakThatFits", "abc\r\nd", 80, true, {{0, 0}, {5, 1}, {6, 2}}},
        RowsCase{"ShownBreakMovesToItsOwnRow", "abc\r\nd", 60, true, {{0, 0}, {3, 0}, {5, 1}, {6, 2}}},
        RowsCase{"ShownBreakWiderThanTheAreaTakesOneRow", "\r\n", 30, true, {{0, 0}, {2, 1}, {2, 2}}},
        RowsCase{"ShownTabIsABox", "\t\t", 100, true, {{0, 0}, {2, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RowTableBuilderTest, MatchesTheLiteralRulesOnRandomTexts) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 400; ++round) {
        widths = test::RandomWidths(rng);
        widths.ShowControlChars(round % 3 == 0);
        std::string text = test::RandomText(rng, rng() % 300);
        std::uint32_t wrap = rng() % 120;
        ASSERT_EQ(Build(text, wrap), ReferenceRows(text, widths, wrap)) << "round " << round;
        ExpectConsistent(text);
        EXPECT_EQ(CountRows(Bytes(text), Size(text), WrapRules{&widths, wrap}), table.count);
    }
}

TEST_F(RowTableBuilderTest, CountsExactlyWhenTheWorstCaseBlockIsRefused) {
    std::string text = "abcdefghij\r\nklm";
    SystemHeap().FailAfter(1);
    EXPECT_EQ(Build(text, 30), ReferenceRows(text, widths, 30));
    ExpectConsistent(text);
}

TEST_F(RowTableBuilderTest, FailedRebuildKeepsTheOldTable) {
    std::string text = "abcdefghij\r\nklm";
    auto before = Build(text, 30);
    BlockHandle oldBlock = table.handle;
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(RebuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths, 50}, &table));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(table.handle, oldBlock);
    EXPECT_EQ(TableEntries(table), before);
    ASSERT_TRUE(RebuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths, 50}, &table));
    EXPECT_EQ(TableEntries(table), ReferenceRows(text, widths, 50));
}

}  // namespace
}  // namespace velmo
