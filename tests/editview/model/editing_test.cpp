#include "editview/model/editing.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "editview/model/word_chars.h"

namespace velmo::testing {
namespace {

using EditingTest = EditingFixture;

// Breaks made or broken at the edges of an edit, not inside its bytes.
TEST_F(EditingTest, BreaksAtEditEdgesArePatched) {
    SetText("a\r");
    store.SetSelection(2, 2);
    Type("\n");  // LF behind a lone CR
    ExpectDocument("a\r\n");
    EXPECT_EQ(store.CaretLine(), 1u);

    SetText("a\rX\nb");
    store.SetSelection(2, 2);
    Type("\x7f");  // the byte between a lone CR and an LF
    ExpectDocument("a\r\nb");

    SetText("ab\r\ncd");
    store.SetSelection(1, 3);  // ends between CR and LF
    Replace("Z");
    ExpectDocument("aZ\ncd");

    SetText("\r\n\r\n");
    store.SetSelection(1, 1);
    Type("\b");  // a CR before its LF
    ExpectDocument("\n\r\n");
    store.SetSelection(1, 2);
    Replace("\r");  // the replaced byte's neighbours pair up
    ExpectDocument("\n\r\n");
    store.SetSelection(1, 1);
    Replace(std::string("\r\n\r", 3));
    ExpectDocument("\n\r\n\r\r\n");
}

// A removed text holding NUL bytes comes back whole, through undo and redo.
TEST_F(EditingTest, NulBytesSurviveUndoAndRedo) {
    const std::string text("a\0b\r\n\0c", 7);
    SetText(text);
    store.SetSelection(0, 7);
    Replace(std::string("\0", 1));
    ExpectDocument(std::string("\0", 1));
    editor.Undo();
    ExpectDocument(text);
    editor.Redo();
    ExpectDocument(std::string("\0", 1));
    editor.Undo();
    ExpectDocument(text);
    store.SetSelection(1, 1);
    Type("\x7f");
    editor.Undo();
    ExpectDocument(text);
}

TEST_F(EditingTest, ReplacingWithoutRecordEmptiesBothHistories) {
    Type("abc");
    editor.Undo();
    store.SetSelection(0, 1);
    EXPECT_EQ(Replace("Z", false), EditResult::DoneWithoutRecord);
    ExpectDocument("Zb");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
    Type("c");
    editor.Undo();
    editor.EmptyHistories();  // EM_EMPTYUNDOBUFFER
    EXPECT_EQ(editor.UndoSteps() + editor.RedoSteps(), 0u);
}

// A document whose text block has no room left at all.
class FullTextTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        BlockHandle block = SystemHeap().Allocate(5, true);
        std::memcpy(SystemHeap().Lock(block), "a\r\nbc", 5);
        BlockHandle old = store.Buffer().handle;
        SystemHeap().FailAfter(1);  // the slack cannot be added
        ASSERT_TRUE(store.SetText(block, 5));
        SystemHeap().Free(old);
        ASSERT_EQ(store.Buffer().free, 0u);
        store.SetSelection(5, 5);
    }
};

// The record must not be written before the text can grow.
TEST_F(FullTextTest, TextGrowthFailureLeavesNoTrace) {
    store.SetSelection(4, 5);
    editor.DeleteSelection();
    editor.Undo();  // the room is used up again; one redo step
    store.SetSelection(5, 5);
    events.Take();
    SystemHeap().FailAlways(true);
    EXPECT_EQ(Type("y"), EditResult::NoTextSpace);
    EXPECT_EQ(Replace("longer"), EditResult::NoTextSpace);
    EXPECT_EQ(Type("\r"), EditResult::NoTextSpace);
    SystemHeap().FailAlways(false);
    EXPECT_EQ(events.Take(), "maxtext maxtext maxtext");
    ExpectDocument("a\r\nbc");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 1u);
    ExpectSelection(5, 5, 5);
}

// Far more than fits: the sizes must be computed beyond 32 bits and fail, not
// wrap to a small block (the text is never read).
TEST_F(FullTextTest, HugeReplacementFailsCleanly) {
    const std::uint8_t few[4] = {};
    EXPECT_EQ(editor.ReplaceSelection(few, 0xFFFF0000u, true), EditResult::NoTextSpace);
    EXPECT_EQ(events.Take(), "maxtext");
    ExpectDocument("a\r\nbc");
    EXPECT_EQ(editor.UndoSteps(), 0u);
}

TEST_F(EditingTest, TableGrowthFailureLeavesNoTrace) {
    Type("ab");
    std::string breaks;
    for (int i = 0; i < 20000; ++i) breaks += "\r\n";
    store.SetSelection(1, 1);
    events.Take();
    SystemHeap().FailAlways(true);
    EXPECT_EQ(Replace(breaks), EditResult::NoTableSpace);
    SystemHeap().FailAlways(false);
    EXPECT_EQ(events.Take(), "errspace");
    ExpectDocument("ab");
    EXPECT_EQ(editor.UndoSteps(), 2u);
    EXPECT_EQ(Replace(breaks), EditResult::Done);
    ExpectDocument("a" + breaks + "b");
}

// Fills the undo text pool to the last byte, so that the next record with
// any text needs it to grow.
class FullUndoPoolTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        SetText(std::string(UndoStore::kPoolStep, 'p'));
        store.SetSelection(0, UndoStore::kPoolStep);
        editor.DeleteSelection();
        Type("abc");
        editor.Undo();
        ASSERT_EQ(editor.UndoSteps(), 3u);
        ASSERT_EQ(editor.RedoSteps(), 1u);
        events.Take();
        SystemHeap().FailAlways(true);
    }
};

// Old records would point at offsets that no longer fit the text.
TEST_F(FullUndoPoolTest, TypedKeyWithoutRecordEmptiesBothHistories) {
    EXPECT_EQ(Type("\b"), EditResult::DoneWithoutRecord);
    EXPECT_EQ(events.Take(), "errspace edited change caret*");
    ExpectDocument("a");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
}

TEST_F(FullUndoPoolTest, ParentDecidesOnAReplacementWithoutRecord) {
    store.SetSelection(0, 2);
    events.allowWithoutUndo = false;
    EXPECT_EQ(Replace("Q"), EditResult::Cancelled);
    EXPECT_EQ(events.Take(), "undofull");
    ExpectDocument("ab");
    ExpectSelection(0, 2, 2);
    EXPECT_EQ(editor.UndoSteps(), 3u);
    EXPECT_EQ(editor.RedoSteps(), 1u);
    events.allowWithoutUndo = true;
    EXPECT_EQ(Replace("Q"), EditResult::DoneWithoutRecord);
    ExpectDocument("Q");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
}

// Undo must not pop its record (nor write the redo one) unless it goes ahead.
TEST_F(EditingTest, UndoWhoseRedoRecordCannotBeKept) {
    Type("ab");
    store.SetSelection(1, 1);
    Replace(std::string(70000, 'r'));
    events.allowWithoutRedo = false;
    SystemHeap().FailAlways(true);
    events.Take();
    EXPECT_EQ(editor.Undo(), EditResult::Cancelled);
    EXPECT_EQ(events.Take(), "redofull");
    EXPECT_EQ(editor.UndoSteps(), 3u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
    ExpectDocument("a" + std::string(70000, 'r') + "b");
    events.allowWithoutRedo = true;
    EXPECT_EQ(editor.Undo(), EditResult::DoneWithoutRecord);
    SystemHeap().FailAlways(false);
    ExpectDocument("ab");
    EXPECT_EQ(editor.UndoSteps(), 2u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
    editor.Undo();
    ExpectDocument("a");
}

TEST(EditHistories, CreationIsAllOrNothing) {
    for (unsigned failing = 1; failing <= 6; ++failing) {
        TextStore store(SystemHeap());
        SystemHeap().FailAfter(failing);
        EXPECT_FALSE(store.Create()) << failing;  // the leak checker sees the rest
        SystemHeap().FailAfter(0);
    }
}

// Below 0x80 words are letters, digits, "@" and "_"; above, all but a few signs.
TEST(WordChars, Classification) {
    const std::string delimiters(":;<=>?[\\]^`{|}~\x7f");
    for (int byte = 0; byte < 0x80; ++byte) {
        bool delimiter = byte <= 0x2F || delimiters.find(static_cast<char>(byte)) != std::string::npos;
        EXPECT_EQ(IsWordByte(static_cast<std::uint8_t>(byte)), !delimiter) << byte;
    }
    for (std::uint8_t byte : {0x80, 0xA1, 0xA4, 0xA7, 0xB0, 0xB2, 0xB4, 0xD7, 0xF7}) EXPECT_FALSE(IsWordByte(byte));
    for (std::uint8_t byte : {0x81, 0xE9, 0xFF}) EXPECT_TRUE(IsWordByte(byte));
}

}  // namespace
}  // namespace velmo::testing
