#include "editview/model/text_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "store_fixture.h"

namespace velmo {
namespace {

using TextStoreTest = StoreFixture;

TEST_F(TextStoreTest, SetTextAdoptsBlockAndLeavesRoomBehind) {
    EXPECT_EQ(store.Buffer().free, 65536u);  // a fresh store
    EXPECT_EQ(store.LineIndex(kNoLine), kNoLine);
    BlockHandle old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith("ab\r\ncd\r\n"), 8));
    SystemHeap().Free(old);  // the caller's part
    EXPECT_EQ(Text(), "ab\r\ncd\r\n");
    EXPECT_EQ(store.LineCount(), 3u);
    EXPECT_EQ(store.LineIndex(2), 8u);
    EXPECT_GE(store.Buffer().free, 65536u);
    EXPECT_EQ(SystemHeap().Size(store.Buffer().handle) - store.Length(), store.Buffer().free);
    EXPECT_FALSE(store.modified);
}

TEST_F(TextStoreTest, LengthBeyondTheBlockIsCut) {
    BlockHandle old = store.Buffer().handle;
    BlockHandle block = BlockWith("abc");
    SystemHeap().FailAfter(1);  // not even the slack can be added
    ASSERT_TRUE(store.SetText(block, 1000000));
    SystemHeap().Free(old);
    EXPECT_EQ(store.Length(), 3u);
    EXPECT_EQ(store.Buffer().free, 0u);
    EXPECT_EQ(Text(), "abc");
}

TEST_F(TextStoreTest, SetTextWithZeroLengthEmptiesButKeepsBlock) {
    BlockHandle old = store.Buffer().handle;
    BlockHandle block = BlockWith("xyz", 70000);
    ASSERT_TRUE(store.SetText(block, 0));
    SystemHeap().Free(old);
    EXPECT_EQ(store.Buffer().handle, block);
    EXPECT_EQ(store.Length(), 0u);
    EXPECT_EQ(store.LineCount(), 1u);
}

TEST_F(TextStoreTest, TableFailureGivesEmptyDocumentAndFalse) {
    BlockHandle old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith("keep\r\nme"), 8));
    SystemHeap().Free(old);
    BlockHandle block = BlockWith("a\r\nb\r\nc", 70000);  // slack enough: no growth
    old = store.Buffer().handle;
    SystemHeap().FailAfter(1);  // the table
    EXPECT_FALSE(store.SetText(block, 7));
    SystemHeap().Free(old);
    EXPECT_NE(store.Buffer().handle, block);  // replaced by a fresh empty block
    EXPECT_EQ(store.Length(), 0u);
    EXPECT_EQ(store.Buffer().free, 65536u);
    EXPECT_EQ(store.LineCount(), 1u);
    EXPECT_EQ(store.LineIndex(0), 0u);
    EXPECT_EQ(store.Lines().Length(), 0u);
}

TEST_F(TextStoreTest, ResetEmptyKeepsOldBlocksWhenNoneCanBeHad) {
    BlockHandle old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith("line\r\nline"), 10));
    SystemHeap().Free(old);
    BlockHandle text = store.Buffer().handle;
    SystemHeap().FailAlways(true);
    store.ResetEmpty();
    SystemHeap().FailAlways(false);
    EXPECT_EQ(store.Buffer().handle, text);
    EXPECT_EQ(store.Length(), 0u);
    EXPECT_EQ(store.LineCount(), 1u);
    EXPECT_EQ(store.Lines().Length(), 0u);
}

// The caret's row and its column in the row start over with a new text, as
// its line and column do.
TEST_F(TextStoreTest, NewTextPutsTheCaretOnTheFirstRow) {
    BlockHandle old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith("a\r\nb\r\ncdef"), 10));
    SystemHeap().Free(old);
    store.SetSelection(9, 9);
    ASSERT_EQ(store.CaretRow(), 2u);
    old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith("xy"), 2));
    SystemHeap().Free(old);
    EXPECT_EQ(store.CaretRow(), 0u);
    EXPECT_EQ(store.RowColumn(), 0u);
}

TEST_F(TextStoreTest, PackedSelectionOverflow) {
    std::string big(70000, 'x');
    BlockHandle old = store.Buffer().handle;
    ASSERT_TRUE(store.SetText(BlockWith(big), 70000));
    SystemHeap().Free(old);
    store.SetSelection(7, 3);
    EXPECT_EQ(store.PackedSelection(), (7u << 16) | 3u);
    store.SetSelection(70000, 70000);
    EXPECT_EQ(store.PackedSelection(), 0xFFFFFFFFu);
    store.SetSelection(65535, 65535);
    EXPECT_EQ(store.PackedSelection(), 0xFFFFFFFFu);
    store.SetSelection(0, 65535);
    EXPECT_EQ(store.PackedSelection(), 0xFFFF0000u);
}

}  // namespace
}  // namespace velmo
