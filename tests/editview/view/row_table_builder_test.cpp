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

TEST_F(RowTableBuilderTest, EmptyTextIsOneRow) {
    EXPECT_EQ(Build("", 100), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
    ExpectConsistent("");
}

TEST_F(RowTableBuilderTest, BreaksByCharacterNotByWord) {
    // Rows may be exactly as wide as the area; the space at the wrap point
    // and long words are cut where the width runs out.
    EXPECT_EQ(Build("abc defgh", 30), (std::vector<RowEntry>{{0, 0}, {3, 0}, {6, 0}, {9, 1}}));
    EXPECT_EQ(Build("abcdefgh", 80), (std::vector<RowEntry>{{0, 0}, {8, 1}}));
    EXPECT_EQ(Build("abcdefghi", 80), (std::vector<RowEntry>{{0, 0}, {8, 0}, {9, 1}}));
}

TEST_F(RowTableBuilderTest, FullRowFollowedByBreakTakesTheBreak) {
    EXPECT_EQ(Build("abc\r\nd", 30), (std::vector<RowEntry>{{0, 0}, {5, 1}, {6, 2}}));
    EXPECT_EQ(table.RowTextLength(0, false), 3u);
    // Text ending in a break: an empty last row at the end.
    EXPECT_EQ(Build("abc\r\n", 30), (std::vector<RowEntry>{{0, 0}, {5, 1}, {5, 2}}));
    EXPECT_EQ(Build("\r\n\r\n", 30), (std::vector<RowEntry>{{0, 0}, {2, 1}, {4, 2}, {4, 3}}));
}

TEST_F(RowTableBuilderTest, CharacterWiderThanTheAreaStandsAlone) {
    EXPECT_EQ(Build("aWb", 30), (std::vector<RowEntry>{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(Build("W", 30), (std::vector<RowEntry>{{0, 0}, {1, 1}}));
    EXPECT_EQ(Build("W\r\nb", 30), (std::vector<RowEntry>{{0, 0}, {3, 1}, {4, 2}}));
    // A zero-width area: one character per row, and nothing divides by it.
    EXPECT_EQ(Build("ab", 0), (std::vector<RowEntry>{{0, 0}, {1, 0}, {2, 1}}));
}

TEST_F(RowTableBuilderTest, TabThatDoesNotFitSpansAWholeTabOnTheNextRow) {
    // "a" ends at 10, the tab would reach 40 > 35: it moves and spans 0..40,
    // which is wider than the area, so "b" starts a third row.
    EXPECT_EQ(Build("a\tb", 35), (std::vector<RowEntry>{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
    EXPECT_EQ(Build("a\tb", 50), (std::vector<RowEntry>{{0, 0}, {3, 1}}));
}

TEST_F(RowTableBuilderTest, LoneCrLfAndNulAreOrdinaryCharacters) {
    std::string text("a\rb\nc\0d", 7);
    EXPECT_EQ(Build(text, 40), (std::vector<RowEntry>{{0, 0}, {4, 0}, {7, 1}}));
}

TEST_F(RowTableBuilderTest, ShownBreakBoxesThatDoNotFitMoveToTheirOwnRow) {
    widths.ShowControlChars(true);
    std::uint32_t boxes = widths.LineBreakBoxWidth();  // "CR" and "LF" at 10 each, + 5 + 5
    ASSERT_EQ(boxes, 50u);
    EXPECT_EQ(Build("abc\r\nd", 80), (std::vector<RowEntry>{{0, 0}, {5, 1}, {6, 2}}));
    EXPECT_EQ(Build("abc\r\nd", 60), (std::vector<RowEntry>{{0, 0}, {3, 0}, {5, 1}, {6, 2}}));
    EXPECT_EQ(table.RowTextLength(1, true), 2u);
    // Boxes wider than the whole area still take an empty row, once.
    EXPECT_EQ(Build("\r\n", 30), (std::vector<RowEntry>{{0, 0}, {2, 1}, {2, 2}}));
    // A shown tab is a box, not a jump to a stop.
    EXPECT_EQ(Build("\t\t", 100), (std::vector<RowEntry>{{0, 0}, {2, 1}}));
}

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
