// A new text for the document, with and without room behind it, and when
// its layout cannot be had.
#include "editview/model/text_store.h"

#include <gtest/gtest.h>

#include "../view/wrap_test_support.h"
#include "editing_fixture.h"

namespace velmo::testing {
namespace {

using TextStoreTest = EditingFixture;

TEST_F(TextStoreTest, SetTextAdoptsTheBlockAndLeavesRoomBehind) {
    EXPECT_EQ(store.Buffer().free, 65536u);  // a fresh store
    EXPECT_EQ(store.LineIndex(kNoLine), kNoLine);
    SetText("ab\r\ncd\r\n");
    ExpectDocument("ab\r\ncd\r\n");
    EXPECT_EQ(store.LineIndex(2), 8u);
    EXPECT_GE(store.Buffer().free, 65536u);
    EXPECT_FALSE(store.modified);

    BlockHandle block = BlockWith("xyz", 70000);
    ASSERT_TRUE(SetBlock(block, 0));
    EXPECT_EQ(store.Buffer().handle, block);
    ExpectDocument("");

    block = BlockWith("abc");
    SystemHeap().FailAfter(1);                // not even the slack can be added
    ASSERT_TRUE(SetBlock(block, 1000000));  // a length beyond the block is cut
    EXPECT_EQ(store.Buffer().free, 0u);
    ExpectDocument("abc");
}

TEST_F(TextStoreTest, TableFailureGivesEmptyDocumentAndFalse) {
    SetText("keep\r\nme");
    BlockHandle block = BlockWith("a\r\nb\r\nc", 70000);  // slack enough: no growth
    SystemHeap().FailAfter(1);                            // the table
    EXPECT_FALSE(SetBlock(block, 7));
    EXPECT_NE(store.Buffer().handle, block);  // replaced by a fresh empty block
    EXPECT_EQ(store.Buffer().free, 65536u);
    ExpectDocument("");
}

// Without the new text block, or without its table, the old blocks stay.
TEST_F(TextStoreTest, ResetEmptyKeepsOldBlocksWhenNoneCanBeHad) {
    for (unsigned failing : {1, 2}) {
        SetText("line\r\nline");
        BlockHandle text = store.Buffer().handle;
        SystemHeap().FailAfter(failing);
        store.ResetEmpty();
        SystemHeap().FailAfter(0);
        EXPECT_EQ(store.Buffer().handle, text) << failing;
        ExpectDocument("");
    }
}

// The caret's row and its column in the row start over with a new text, as
// its line and column do.
TEST_F(TextStoreTest, NewTextPutsTheCaretOnTheFirstRow) {
    SetText("a\r\nb\r\ncdef");
    store.SetSelection(9, 9);
    ASSERT_EQ(store.CaretRow(), 2u);
    SetText("xy");
    EXPECT_EQ(store.CaretRow(), 0u);
    EXPECT_EQ(store.RowColumn(), 0u);
}

TEST_F(TextStoreTest, PackedSelectionOverflow) {
    SetText(std::string(70000, 'x'));
    const std::uint32_t cases[][3] = {{7, 3, (7u << 16) | 3u},
                                      {70000, 70000, 0xFFFFFFFFu},
                                      {65535, 65535, 0xFFFFFFFFu},
                                      {0, 65535, 0xFFFF0000u}};
    for (const auto& [start, end, packed] : cases) {
        store.SetSelection(start, end);
        EXPECT_EQ(store.PackedSelection(), packed) << start << ", " << end;
    }
}

// With word wrap on: rows for 3 * 64 Ki characters of 10 pixels at width 30
// cannot be had, neither the worst case nor the counted rows.
class TextStoreWrapTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        ASSERT_TRUE(store.SetWordWrap(true, widths, 30));
    }
    std::vector<RowEntry> Rows() const { return test::TableEntries(store.Rows()); }

    CharWidthTable widths = test::UniformWidths(10);
    std::string tooLong = std::string(3 * kGrowthStep, 'a');
};

TEST_F(TextStoreWrapTest, TextThatCannotBeLaidOutLeavesAnEmptyDocument) {
    BlockHandle block = BlockWith(tooLong);
    SystemHeap().FailAfter(1, 3);
    EXPECT_FALSE(SetBlock(block, Size(tooLong)));  // the block went with the failed document
    EXPECT_EQ(store.Length(), 0u);
    EXPECT_EQ(Rows(), (std::vector<RowEntry>{{0, 0}, {0, 1}}));
}

// A file's text arrives with its line table; when its rows cannot be had the
// open document stays, and the text and table are still the caller's.
TEST_F(TextStoreWrapTest, LoadedTextThatCannotBeLaidOutLeavesTheDocument) {
    Replace("keep\r\nme");
    const std::vector<RowEntry> rows = Rows();
    BlockHandle block = BlockWith(tooLong);
    LineTable lines;
    ASSERT_TRUE(BuildLineTable(SystemHeap(), SystemHeap().Lock(block), Size(tooLong), &lines));
    SystemHeap().Unlock(block);
    SystemHeap().FailAfter(1, 3);
    EXPECT_FALSE(store.AdoptLoaded(block, Size(tooLong), lines));
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Text(), "keep\r\nme");
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(editor.UndoSteps(), 1u);
    SystemHeap().Free(lines.handle);
    SystemHeap().Free(block);
}

}  // namespace
}  // namespace velmo::testing
