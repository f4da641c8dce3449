// The document with word wrap on: switching the mode, replacing the text,
// rebreaking for new measurements, the line queries of both modes, and the
// failures that must leave the old layout in place.
#include <gtest/gtest.h>

#include "../view/wrap_test_support.h"
#include "editing_fixture.h"

namespace velmo::testing {
namespace {

// Every character 10 pixels wide; rows of 3 characters at width 30.
class TextStoreWrapTest : public EditingFixture {
protected:
    bool WrapOn(std::uint32_t width = 30) { return store.SetWordWrap(true, widths, width); }
    std::vector<RowEntry> Rows() const { return test::TableEntries(store.Rows()); }

    CharWidthTable widths = test::UniformWidths(10);
};

TEST_F(TextStoreWrapTest, SwitchingKeepsTheBytesAndAnswersPerMode) {
    SetText("abcdefg\r\nhi");
    store.SetSelection(5, 5);
    ASSERT_TRUE(WrapOn());
    EXPECT_TRUE(store.WordWrap());
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {3, 0}, {6, 0}, {9, 1}, {11, 2}}));
    EXPECT_EQ(Text(), "abcdefg\r\nhi");
    EXPECT_EQ(store.LineCount(), 2u);
    EXPECT_EQ(store.RowCount(), 4u);
    EXPECT_EQ(store.LineIndex(1), 9u);
    EXPECT_EQ(store.LineIndex(2), kNoLine);
    EXPECT_EQ(store.LineSize(0), 9u);
    EXPECT_EQ(store.LineFromOffset(7), 0u);
    EXPECT_EQ(store.RowFromOffset(7), 2u);
    EXPECT_EQ(store.RowTextLength(2), 1u);  // "g" without its break
    // The caret keeps its offset; the row fields follow it.
    EXPECT_EQ(store.CaretLine(), 0u);
    EXPECT_EQ(store.CaretColumn(), 5u);
    EXPECT_EQ(store.CaretRow(), 1u);
    EXPECT_EQ(store.RowColumn(), 2u);

    ASSERT_TRUE(store.SetWordWrap(false, widths, 30));
    EXPECT_FALSE(store.WordWrap());
    ExpectDocument("abcdefg\r\nhi");
    EXPECT_EQ(store.RowCount(), 2u);
    EXPECT_EQ(store.CaretRow(), 0u);
    EXPECT_EQ(store.RowColumn(), 5u);
}

TEST_F(TextStoreWrapTest, NewTextAndResetBuildRows) {
    ASSERT_TRUE(WrapOn());
    SetText("abcd");
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {3, 0}, {4, 1}}));
    store.ResetEmpty();
    EXPECT_TRUE(store.WordWrap());
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
    SetText("");
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
}

TEST_F(TextStoreWrapTest, RowsThatCannotBeBuiltLeaveTheModeAsItWas) {
    SetText("abcdefg");
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(WrapOn());
    SystemHeap().FailAlways(false);
    EXPECT_FALSE(store.WordWrap());
    ExpectDocument("abcdefg");

    ASSERT_TRUE(WrapOn());
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(store.Rewrap(widths, 50));
    EXPECT_FALSE(store.SetWordWrap(false, widths, 30));
    SystemHeap().FailAlways(false);
    EXPECT_TRUE(store.WordWrap());
    // The old rows and the measurements they were broken with stay.
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {3, 0}, {6, 0}, {7, 1}}));
    EXPECT_EQ(store.Rules().wrapWidth, 30u);
    ASSERT_TRUE(store.Rewrap(widths, 50));
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {5, 0}, {7, 1}}));
}

TEST_F(TextStoreWrapTest, TextThatCannotBeLaidOutLeavesAnEmptyDocument) {
    ASSERT_TRUE(WrapOn());
    BlockHandle block = SystemHeap().Allocate(3 * kGrowthStep, true);
    std::memset(SystemHeap().Lock(block), 'a', 3 * kGrowthStep);
    SystemHeap().Unlock(block);
    BlockHandle old = store.Buffer().handle;
    SystemHeap().FailAfter(1, 3);  // no room for the rows, worst case or counted
    EXPECT_FALSE(store.SetText(block, 3 * kGrowthStep));
    SystemHeap().FailAfter(0);
    SystemHeap().Free(old);  // the adopted block went with the failed document
    EXPECT_EQ(store.Length(), 0u);
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
}

// A pasted line may wrap into far more rows than the table's slack holds:
// the rows are counted first, and the edit is refused when the table cannot
// grow for them, before anything changed.
TEST_F(TextStoreWrapTest, AnEditWhoseRowsDoNotFitIsRefused) {
    ASSERT_TRUE(WrapOn(10));  // one character per row: 8 bytes of table per byte typed
    std::string line(3 * kGrowthStep / 8, 'a');
    Replace("xy");
    store.SetSelection(2, 2);
    events.Take();
    SystemHeap().FailAlways(true);  // the text has room; the table must grow
    EXPECT_EQ(Replace(line), EditResult::NoTableSpace);
    SystemHeap().FailAlways(false);
    EXPECT_EQ(events.Take(), "errspace");
    EXPECT_TRUE(Text() == "xy");
    EXPECT_EQ(editor.UndoSteps(), 1u);
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {1, 0}, {2, 1}}));

    EXPECT_EQ(Replace(line), EditResult::Done);
    EXPECT_EQ(store.RowCount(), line.size() + 2);
    EXPECT_EQ(store.LineCount(), 1u);
}

TEST_F(TextStoreWrapTest, WordDeletionStopsAtTheLogicalLine) {
    SetText("ab\r\ncdefgh ij");
    ASSERT_TRUE(WrapOn());
    store.SetSelection(8, 8);  // inside "cdefgh", on its second row
    EXPECT_EQ(editor.Type(8, true), EditResult::Done);
    EXPECT_EQ(Text(), "ab\r\ngh ij");
    store.SetSelection(4, 4);
    EXPECT_EQ(editor.Type(127, true), EditResult::Done);
    EXPECT_EQ(Text(), "ab\r\n ij");
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {4, 1}, {7, 2}}));
}

}  // namespace
}  // namespace velmo::testing
