// The edit histories: the undo store's growth, shrinking and records owning
// blocks, and an undo that loses its redo record while the redo side holds
// steps, a state the random editing driver seldom builds.
#include "editview/model/undo_store.h"

#include <gtest/gtest.h>

#include <string>

#include "editing_fixture.h"

namespace velmo::testing {
namespace {

class UndoStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store.Create()); }
    void TearDown() override {
        SystemHeap().FailAlways(false);
        store.Destroy();
    }
    void Push(std::uint32_t start, std::uint32_t end, const std::string& text) {
        ASSERT_TRUE(store.Reserve(Size(text)));
        store.Push(start, end, Bytes(text), Size(text));
    }
    std::string TopText() {
        std::string text(reinterpret_cast<const char*>(store.LockTopText()), store.Top().textLength);
        store.UnlockPool();
        return text;
    }
    UndoStore store{SystemHeap()};
};

// The record array grows by ten thousand records or refuses, the pool by the missing
// bytes and one step; clearing keeps both and fills the pool from its start.
TEST_F(UndoStoreTest, BlocksGrowByTheirStepsAndClearingKeepsThem) {
    for (int i = 0; i < 10000; ++i) Push(0, 0, "");
    EXPECT_EQ(store.RecordCapacity(), 10000u);
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(store.Reserve(0));  // a full record array that cannot grow takes no record
    SystemHeap().FailAlways(false);
    Push(0, 0, std::string(65000, 'a'));
    EXPECT_EQ(store.RecordCapacity(), 20000u);
    EXPECT_EQ(store.PoolSize(), 65536u);
    Push(1, 2, std::string(1000, 'b'));  // 464 missing
    const std::uint32_t grown = 65536u + 464u + 65536u;
    EXPECT_EQ(store.PoolSize(), grown);
    EXPECT_EQ(TopText(), std::string(1000, 'b'));
    store.Pop();
    EXPECT_EQ(TopText(), std::string(65000, 'a'));
    EXPECT_EQ(store.Steps(), 10001u);
    store.Clear();
    EXPECT_EQ(store.Steps(), 0u);
    EXPECT_EQ(store.PoolSize(), grown);
    EXPECT_EQ(store.RecordCapacity(), 20000u);
    Push(3, 4, "z");
    EXPECT_EQ(store.Top().textOffset, 0u);
}

// A pool that cannot grow, or would need 4 GiB (in 32 bits the size wraps
// to a small block that would be overrun), keeps its records as they are.
TEST_F(UndoStoreTest, FailedGrowthKeepsRecords) {
    Push(5, 6, "keep");
    EXPECT_FALSE(store.Reserve(0xFFFFFFFFu));
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(store.Reserve(70000));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(store.Steps(), 1u);
    EXPECT_EQ(TopText(), "keep");
    EXPECT_EQ(store.PoolSize(), 65536u);
}

// The pool shrinks once unlocked with most of its texts taken back, but not
// under a text being filed: records popped unread, then a text longer than
// the smaller pool would leave room for.
TEST_F(UndoStoreTest, PoolGivesBackRoomOnceMostTextsAreTakenBack) {
    for (int i = 0; i < 8; ++i) Push(i, i, std::string(300000, static_cast<char>('a' + i)));
    const std::uint32_t grown = store.PoolSize();
    for (int i = 7; i >= 2; --i) store.Pop();
    Push(9, 9, std::string(2000000, 'z'));
    EXPECT_EQ(TopText(), std::string(2000000, 'z'));
    store.Pop();
    EXPECT_EQ(TopText(), std::string(300000, 'b'));
    EXPECT_LT(store.PoolSize(), grown / 2);
    store.Clear();
    EXPECT_EQ(store.PoolSize(), 1024u * 1024u);
}

// Leaks show under the sanitizers when a dropped record keeps its block, and
// a wrong block given back cannot be freed.
TEST_F(UndoStoreTest, RecordsOwningBlocksFreeThemWhenDropped) {
    for (std::uint32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(store.Reserve(UndoStore::kBlockRecordBytes));
        store.PushBlock(0, i, SystemHeap().Allocate(10 + i, true), 10 + i);
        Push(i, i, "between");
    }
    store.Pop();
    EXPECT_TRUE(store.Top().OwnsBlock());
    EXPECT_EQ(store.Top().textLength, 12u);
    store.Pop();  // frees its block
    store.Pop();
    SystemHeap().Free(store.TopBlock());
    store.PopKeepingBlock();
    EXPECT_EQ(TopText(), "between");
    Push(9, 9, "in the room the block's handle took");
    store.Clear();  // frees the first block
    EXPECT_EQ(store.Steps(), 0u);
}

using EditHistoryTest = EditingFixture;

// Undo must not pop its record (nor write the redo one) unless it goes ahead;
// going ahead without the redo record empties the redo side.
TEST_F(EditHistoryTest, UndoWhoseRedoRecordCannotBeKept) {
    const std::string longText(70000, 'r');
    Replace("ab");
    store.SetSelection(1, 1);
    Replace(longText);
    store.SetSelection(0, 0);
    Replace("x");
    editor.Undo();
    events.allowWithoutRedo = false;
    SystemHeap().FailAlways(true);
    events.Take();
    EXPECT_EQ(editor.Undo(), EditResult::Cancelled);
    EXPECT_EQ(events.Take(), "redofull");
    EXPECT_EQ(editor.RedoSteps(), 1u);
    ExpectDocument("a" + longText + "b");
    events.allowWithoutRedo = true;
    EXPECT_EQ(editor.Undo(), EditResult::DoneWithoutRecord);
    SystemHeap().FailAlways(false);
    ExpectDocument("ab");
    EXPECT_EQ(editor.RedoSteps(), 0u);
    editor.Undo();
    ExpectDocument("");
}

}  // namespace
}  // namespace velmo::testing
