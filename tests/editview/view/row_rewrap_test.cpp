#include "editview/view/row_rewrap.h"

#include <gtest/gtest.h>

#include "editview/view/row_table_builder.h"
#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::Size;
using test::TableEntries;

class RowRewrapTest : public ::testing::Test {
protected:
    void TearDown() override {
        SystemHeap().FailAlways(false);
        SystemHeap().Free(table.handle);
    }
    void Build(std::uint32_t wrap) {
        rules = WrapRules{&widths, wrap};
        SystemHeap().Free(table.handle);
        table = RowTable{};
        ASSERT_TRUE(BuildRowTable(SystemHeap(), Bytes(text), Size(text), rules, &table));
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
    // The table equals one built from scratch for the same text.
    void ExpectSameAsRebuilt() {
        RowTable fresh;
        ASSERT_TRUE(BuildRowTable(SystemHeap(), Bytes(text), Size(text), rules, &fresh));
        std::vector<RowEntry> expected = TableEntries(fresh);
        SystemHeap().Free(fresh.handle);
        ASSERT_EQ(TableEntries(table), expected);
        ASSERT_EQ(table.last + 1, table.count);
        ASSERT_EQ(table.logicalCount, expected.back().line);
        ASSERT_EQ(table.blockSize - table.free, 8 * (table.count + 1));
    }

    CharWidthTable widths = test::UniformWidths(10, 35);
    WrapRules rules{&widths, 0};
    std::string text;
    RowTable table;
};

TEST_F(RowRewrapTest, EditsThatMakeOrBreakPairsAtTheirEdges) {
    text = "ab\rcd\nef\r\ngh";
    Build(30);
    ASSERT_TRUE(Edit(3, 0, "\n"));  // a lone CR gains its LF
    ExpectSameAsRebuilt();
    ASSERT_TRUE(Edit(4, 3, ""));  // deleting between a CR and a lone LF joins them
    ExpectSameAsRebuilt();
    ASSERT_TRUE(Edit(text.find('\n'), 0, "x"));  // typing between CR and LF parts them
    ExpectSameAsRebuilt();
    ASSERT_TRUE(Edit(0, Size(text), ""));
    ExpectSameAsRebuilt();
    EXPECT_EQ(TableEntries(table), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
}

TEST_F(RowRewrapTest, EditsReachingPastTheTextAreRefused) {
    text = "abc";
    Build(30);
    RewrapPlan plan;
    EXPECT_FALSE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 3, TextChange{4, 0, nullptr, 0}, rules, &plan));
    EXPECT_FALSE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 3, TextChange{2, 2, nullptr, 0}, rules, &plan));
    EXPECT_TRUE(PrepareRewrap(SystemHeap(), &table, Bytes(text), 3, TextChange{3, 0, nullptr, 0}, rules, &plan));
}

TEST_F(RowRewrapTest, LongPastedLineGrowsTheTableOrIsRefused) {
    text = "abc\r\ndef";
    Build(10);  // one character per row
    std::string pasted(20000, 'a');  // 20 000 rows: more than 64 KiB of slack holds
    std::vector<RowEntry> before = TableEntries(table);
    std::uint32_t blockSize = table.blockSize;
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(Edit(5, 0, pasted));
    EXPECT_EQ(text, "abc\r\ndef");
    EXPECT_EQ(TableEntries(table), before);
    EXPECT_EQ(table.blockSize, blockSize);
    // Edits that fit the slack need no memory at all.
    EXPECT_TRUE(Edit(5, 0, std::string(100, 'b')));
    SystemHeap().FailAlways(false);
    ExpectSameAsRebuilt();
    ASSERT_TRUE(Edit(5, 0, pasted));
    ExpectSameAsRebuilt();
    EXPECT_EQ(table.count, 3u + 20000 + 100 + 3);  // one row per character
}

}  // namespace
}  // namespace velmo
