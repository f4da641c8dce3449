// Wrapped rows: built and patched after edits, each against the
// rules worked out the slow way, and what every refused allocation leaves.
#include "editview/model/row_table.h"

#include <gtest/gtest.h>

#include "editview/model/text_buffer.h"
#include "editview/view/row_rewrap.h"
#include "editview/view/row_table_builder.h"
#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::ReferenceRows;
using test::Size;
using test::TableEntries;

class RowTableTest : public ::testing::Test {
protected:
    void TearDown() override {
        SystemHeap().FailAfter(0);
        SystemHeap().FailAlways(false);
        SystemHeap().Free(table.handle);
    }
    std::vector<RowEntry> Build(std::uint32_t wrap) {
        rules = WrapRules{&widths, wrap};
        SystemHeap().Free(table.handle);
        table = RowTable{};
        EXPECT_TRUE(BuildRowTable(SystemHeap(), Bytes(text), Size(text), rules, &table));
        EXPECT_GE(table.free, kGrowthStep);
        return TableEntries(table);
    }
    // Replaces text[start, start + removed) by `inserted` the way an edit
    // does: prepare on the old text, change it, finish on the new one.
    bool Edit(std::uint32_t start, std::uint32_t removed, const std::string& inserted) {
        TextChange edit{start, removed, Bytes(inserted), Size(inserted)};
        RewrapPlan plan;
        if (!PrepareRewrap(SystemHeap(), &table, Bytes(text), Size(text), edit, rules, &plan)) return false;
        text.replace(start, removed, inserted);
        FinishRewrap(&table, Bytes(text), plan, rules);
        return true;
    }
    // The rows the rules give, with counts, closing entry and used bytes
    // agreeing with them.
    void ExpectRulesRows() {
        ASSERT_EQ(TableEntries(table), ReferenceRows(text, widths, rules.wrapWidth));
        ASSERT_EQ(table.last + 1, table.count);
        ASSERT_EQ(table.Length(), text.size());
        ASSERT_EQ(table.entries[table.last].line + 1, table.logicalCount);
        ASSERT_EQ(table.entries[table.count].line, table.logicalCount);
        ASSERT_EQ(table.blockSize - table.free, 8 * (table.count + 1));
    }

    CharWidthTable widths = test::UniformWidths(10, 35);  // tab width 40
    WrapRules rules{&widths, 0};
    std::string text;
    RowTable table;
};

// Random texts, widths and wrap widths, built and then edited with breaks
// forming and splitting at the edges of the edits.
TEST_F(RowTableTest, BuiltAndPatchedRowsFollowTheRules) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        widths = test::RandomWidths(rng);
        widths.ShowControlChars(round % 3 == 0);
        text = test::RandomText(rng, rng() % 250);
        Build(rng() % 120);
        ExpectRulesRows();
        ASSERT_EQ(CountRows(Bytes(text), Size(text), rules), table.count);
        for (int step = 0; step < 10; ++step) {
            std::uint32_t start = rng() % (Size(text) + 1);
            std::uint32_t removed = rng() % (std::min(Size(text) - start, 20u) + 1);
            ASSERT_TRUE(Edit(start, removed, test::RandomText(rng, rng() % 3 == 0 ? 0 : rng() % 15)));
            ExpectRulesRows();
        }
    }
}

// Worked out by hand from the rules, so that the reference the random tests
// trust is itself checked. Every character 10 pixels wide, "W" 35, tabs every
// 40; breaking is by character, not by word; shown, "CR" and "LF" make a box
// of 50 pixels.
TEST_F(RowTableTest, BreaksAsTheRulesSay) {
    struct {
        const char* name;
        std::string text;
        std::uint32_t wrap;
        bool shown;
        std::vector<RowEntry> rows;
    } const cases[] = {
        {"EmptyTextIsOneRow", "", 100, false, {{0, 0}, {0, 1}}},
        {"ExactlyAsWideAsTheArea", "abcdefgh", 80, false, {{0, 0}, {8, 1}}},
        {"OneMoreWraps", "abcdefghi", 80, false, {{0, 0}, {8, 0}, {9, 1}}},
        {"FullRowTakesItsBreak", "abc\r\nd", 30, false, {{0, 0}, {5, 1}, {6, 2}}},
        {"BreakAtTheEndLeavesAnEmptyRow", "abc\r\n", 30, false, {{0, 0}, {5, 1}, {5, 2}}},
        {"WideCharacterStandsAlone", "aWb", 30, false, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        {"ZeroWidthAreaOneCharacterPerRow", "ab", 0, false, {{0, 0}, {1, 0}, {2, 1}}},
        {"TabThatDoesNotFitSpansAWholeTab", "a\tb", 35, false, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        {"LoneCrLfAndNulAreCharacters", std::string("a\rb\nc\0d", 7), 40, false, {{0, 0}, {4, 0}, {7, 1}}},
        {"ShownBreakMovesToItsOwnRow", "abc\r\nd", 60, true, {{0, 0}, {3, 0}, {5, 1}, {6, 2}}},
        {"ShownBreakWiderThanTheAreaTakesOneRow", "\r\n", 30, true, {{0, 0}, {2, 1}, {2, 2}}},
        {"ShownTabIsABox", "\t\t", 100, true, {{0, 0}, {2, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        widths.ShowControlChars(c.shown);
        text = c.text;
        EXPECT_EQ(Build(c.wrap), c.rows);
        ExpectRulesRows();
    }
}

TEST_F(RowTableTest, BuildCountsExactlyWhenTheWorstCaseBlockIsRefused) {
    text = std::string(20000, 'a');
    Build(100);
    EXPECT_EQ(table.free, kGrowthStep);  // a first block far too big keeps 64 KiB of slack, no more
    text = "abcdefghij\r\nklm";
    SystemHeap().FailAfter(1);
    Build(30);
    ExpectRulesRows();
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(RebuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths, 50}, &table));
    SystemHeap().FailAlways(false);
    ExpectRulesRows();  // the old table, untouched
    ASSERT_TRUE(RebuildRowTable(SystemHeap(), Bytes(text), Size(text), WrapRules{&widths, 50}, &table));
    EXPECT_EQ(TableEntries(table), ReferenceRows(text, widths, 50));
}

TEST_F(RowTableTest, LongPastedLineGrowsTheTableOrIsRefused) {
    text = "abc\r\ndef";
    Build(10);  // one character per row
    std::string pasted(20000, 'a');  // 20 000 rows: more than 64 KiB of slack holds
    std::uint32_t blockSize = table.blockSize;
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(Edit(5, 0, pasted));
    EXPECT_EQ(table.blockSize, blockSize);
    ExpectRulesRows();
    EXPECT_TRUE(Edit(5, 0, std::string(100, 'b')));  // fits the slack: needs no memory
    SystemHeap().FailAlways(false);
    ExpectRulesRows();
    ASSERT_TRUE(Edit(5, 0, pasted));
    ExpectRulesRows();
    EXPECT_EQ(table.count, 3u + 20000 + 100 + 3);
}

TEST_F(RowTableTest, ReserveGrowsByTheRequestPlus64KiBOrRefuses) {
    EXPECT_FALSE(AllocateEmptyRowTable(SystemHeap(), 15, &table));
    ASSERT_TRUE(AllocateEmptyRowTable(SystemHeap(), 16, &table));  // the empty row and the closing entry
    text = "";
    ExpectRulesRows();
    RewrapPlan plan;  // edits reaching past the text are refused
    EXPECT_FALSE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 0, TextChange{1, 0, nullptr, 0}, rules, &plan));
    EXPECT_FALSE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 0, TextChange{0, 1, nullptr, 0}, rules, &plan));
    EXPECT_TRUE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 0, TextChange{0, 0, nullptr, 0}, rules, &plan));
    EXPECT_TRUE(table.Reserve(SystemHeap(), 0));
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(AllocateEmptyRowTable(SystemHeap(), 32, &table));
    EXPECT_FALSE(table.Reserve(SystemHeap(), 1));
    EXPECT_EQ(table.blockSize, 16u);
    SystemHeap().FailAlways(false);
    ASSERT_TRUE(table.Reserve(SystemHeap(), 100));
    EXPECT_EQ(table.blockSize, 16u + 100 + 65536);
    EXPECT_EQ(table.free, 100u + 65536);
}

}  // namespace
}  // namespace velmo
