#include "editview/model/editing.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "editview/model/word_chars.h"

namespace velmo::testing {
namespace {

using EditingTest = EditingFixture;

TEST_F(EditingTest, TypingIntoAnEmptyDocument) {
    EXPECT_EQ(Type("x"), EditResult::Done);
    ExpectDocument("x");
    EXPECT_EQ(events.Take(), "edited change caret*");
    EXPECT_TRUE(store.modified);
    EXPECT_EQ(store.CaretLine(), 0u);
    EXPECT_EQ(store.CaretColumn(), 1u);
    EXPECT_EQ(editor.UndoSteps(), 1u);
}

TEST_F(EditingTest, EnterSplitsTheLineAndIsOneStep) {
    SetText("abc");
    store.SetSelection(3, 3);
    EXPECT_EQ(Type("\r"), EditResult::Done);
    ExpectDocument("abc\r\n");
    EXPECT_EQ(store.CaretLine(), 1u);
    EXPECT_EQ(store.CaretColumn(), 0u);
    EXPECT_TRUE(events.lastSpan.linesChanged);
    EXPECT_EQ(editor.UndoSteps(), 1u);
    EXPECT_EQ(editor.Undo(), EditResult::Done);
    ExpectDocument("abc");
}

TEST_F(EditingTest, BackspaceAndDeleteJoinLines) {
    SetText("ab\r\ncd");
    store.SetSelection(4, 4);
    Type("\b");
    ExpectDocument("abcd");
    ExpectSelection(2, 2, 2);
    Type("\r");
    store.SetSelection(2, 2);
    Type("\x7f");
    ExpectDocument("abcd");
}

TEST_F(EditingTest, NothingToDeleteStillCountsAsAnEdit) {
    SetText("ab");
    Type("z");
    editor.Undo();
    EXPECT_EQ(editor.RedoSteps(), 1u);
    events.Take();
    store.modified = false;
    store.SetSelection(0, 0);
    EXPECT_EQ(Type("\b"), EditResult::NothingChanged);
    EXPECT_EQ(events.Take(), "change caret*");
    EXPECT_TRUE(store.modified);
    EXPECT_EQ(editor.RedoSteps(), 0u);
    store.SetSelection(2, 2);
    EXPECT_EQ(Type("\x7f"), EditResult::NothingChanged);
    ExpectDocument("ab");
}

TEST_F(EditingTest, OverwriteReplacesBytesButNeverALineBreak) {
    SetText("xy\r\nz");
    store.overwrite = true;
    store.SetSelection(0, 0);
    Type("Q");
    ExpectDocument("Qy\r\nz");
    EXPECT_FALSE(events.lastSpan.linesChanged);
    store.SetSelection(2, 2);
    Type("W");  // at the end of the line: inserted before the CR
    ExpectDocument("QyW\r\nz");
    store.SetSelection(4, 4);
    Type("V");  // between CR and LF: inserted too
    ExpectDocument("QyW\rV\nz");
    store.SetSelection(7, 7);
    Type("E");  // at the end of the text
    ExpectDocument("QyW\rV\nzE");
    store.SetSelection(0, 0);
    editor.Undo();
    editor.Undo();
    editor.Undo();
    editor.Undo();
    ExpectDocument("xy\r\nz");
    EXPECT_EQ(editor.UndoSteps(), 0u);
}

TEST_F(EditingTest, TypingOverASelectionLeavesNoSelection) {
    SetText("hello world");
    store.SetSelection(0, 5);
    Type("J");
    ExpectDocument("J world");
    ExpectSelection(1, 1, 1);
    store.SetSelection(1, 7);
    Type("\r");
    ExpectDocument("J\r\n");
    ExpectSelection(3, 3, 3);
    EXPECT_EQ(editor.UndoSteps(), 2u);
}

TEST_F(EditingTest, WordDeletion) {
    SetText("foo bar;\r\nx_y@z q");
    store.SetSelection(8, 8);
    Type("\b", true);  // after the semicolon: only it goes
    ExpectDocument("foo bar\r\nx_y@z q");
    Type("\b", true);  // after "bar": the word goes
    ExpectDocument("foo \r\nx_y@z q");
    ExpectSelection(4, 4, 4);
    Type("\b", true);  // after the space: one character
    ExpectDocument("foo\r\nx_y@z q");
    store.SetSelection(5, 5);
    Type("\x7f", true);  // underscore and at sign belong to words
    ExpectDocument("foo\r\n q");
    store.SetSelection(3, 3);
    Type("\b", true);  // stops at the line start
    ExpectDocument("\r\n q");
    Type("\x7f", true);  // at the end of a line: joins
    ExpectDocument(" q");
}

TEST_F(EditingTest, CtrlWidensASelectionOverTouchingWordsWithinItsLine) {
    SetText("ab\r\ncd ef gh");
    store.SetSelection(5, 8);  // "d e"
    Type("\b", true);
    ExpectDocument("ab\r\nf gh");
    editor.Undo();
    store.SetSelection(5, 8);
    Type("\x7f", true);
    ExpectDocument("ab\r\nc gh");
    editor.Undo();
    store.SetSelection(4, 5);  // starts at a line start: nothing to widen back
    Type("\b", true);
    ExpectDocument("ab\r\nd ef gh");
}

TEST_F(EditingTest, NoSinglePositionEditInsideAShownLineBreak) {
    SetText("a\r\nb");
    store.showControlChars = true;
    store.SetSelection(2, 2);
    for (char key : std::string("x\r\b\x7f")) EXPECT_EQ(Type(std::string(1, key)), EditResult::Refused);
    EXPECT_EQ(events.Take(), "");
    EXPECT_FALSE(store.modified);
    store.showControlChars = false;
    EXPECT_EQ(Type("x"), EditResult::Done);  // hidden: the break is split
    ExpectDocument("a\rx\nb");
}

TEST_F(EditingTest, ReplaceSelectionLeavesTheTextSelected) {
    SetText("pq");
    store.SetSelection(1, 1);
    EXPECT_EQ(Replace("a\r\nb"), EditResult::Done);
    ExpectDocument("pa\r\nbq");
    ExpectSelection(1, 5, 5);
    EXPECT_EQ(store.Sel().anchor, 1u);
    EXPECT_EQ(store.CaretLine(), 1u);
    EXPECT_EQ(store.CaretColumn(), 1u);
    EXPECT_EQ(events.Take(), "edited change caret*");
}

TEST_F(EditingTest, ReplacingNothingWithNothingDoesNothing) {
    SetText("pq");
    store.SetSelection(1, 1);
    EXPECT_EQ(Replace(""), EditResult::NothingChanged);
    EXPECT_EQ(events.Take(), "");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_FALSE(store.modified);
}

TEST_F(EditingTest, ReplacingThreeLinesByAWordRemovesTwoEntries) {
    SetText("a\r\nbb\r\nccc\r\nd");
    store.SetSelection(1, 10);
    Replace("W");
    ExpectDocument("aW\r\nd");
    EXPECT_EQ(store.LineCount(), 2u);
    EXPECT_EQ(events.lastSpan.line, 0u);
    EXPECT_TRUE(events.lastSpan.linesChanged);
}

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

TEST_F(EditingTest, UndoCountsAndTakesBackOneCharacter) {
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.Undo(), EditResult::NothingChanged);
    Type("ab");
    EXPECT_EQ(editor.UndoSteps(), 2u);
    events.Take();
    EXPECT_EQ(editor.Undo(), EditResult::Done);
    ExpectDocument("a");
    ExpectSelection(1, 1, 1);
    EXPECT_EQ(events.Take(), "edited change caret*");
    EXPECT_EQ(editor.Redo(), EditResult::Done);
    ExpectDocument("ab");
    ExpectSelection(1, 2, 2);  // the step back leaves its text selected
    editor.Undo();
    Type("c");
    EXPECT_EQ(editor.RedoSteps(), 0u);
}

TEST_F(EditingTest, UndoRestoresADeletedBlockSelected) {
    SetText("0\r\n1\r\n2\r\n3");
    store.SetSelection(2, 9);
    editor.DeleteSelection();
    ExpectDocument("0\r3");
    editor.Undo();
    ExpectDocument("0\r\n1\r\n2\r\n3");
    ExpectSelection(2, 9, 9);
    EXPECT_EQ(editor.RedoSteps(), 1u);
    editor.Redo();
    ExpectDocument("0\r3");
    ExpectSelection(2, 2, 2);
    editor.Undo();
    editor.Redo();
    editor.Undo();
    ExpectDocument("0\r\n1\r\n2\r\n3");
}

TEST_F(EditingTest, SettingTheTextEmptiesBothHistories) {
    Type("abc");
    editor.Undo();
    SetText("new");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
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

TEST_F(EditingTest, EmptyUndoBufferEmptiesBoth) {
    Type("abc");
    editor.Undo();
    editor.EmptyHistories();
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
    EXPECT_EQ(editor.Undo(), EditResult::NothingChanged);
    ExpectDocument("ab");
}

TEST_F(EditingTest, ReplacingWithoutRecordEmptiesBothHistories) {
    Type("abc");
    editor.Undo();
    store.SetSelection(0, 1);
    EXPECT_EQ(Replace("Z", false), EditResult::DoneWithoutRecord);
    ExpectDocument("Zb");
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
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

TEST(WordChars, Classification) {
    std::string words;
    for (int byte = 0; byte < 256; ++byte) {
        if (!IsWordByte(static_cast<std::uint8_t>(byte)) && byte > 0x2F && byte < 0x80) words += static_cast<char>(byte);
    }
    EXPECT_EQ(words, ":;<=>?[\\]^`{|}~\x7f");
    for (std::uint8_t byte : {0x80, 0xA1, 0xA4, 0xA7, 0xB0, 0xB2, 0xB4, 0xD7, 0xF7}) EXPECT_FALSE(IsWordByte(byte));
    for (int byte : {0x40, 0x5F, 0x30, 0x7A, 0xE9, 0x81, 0xFF}) EXPECT_TRUE(IsWordByte(static_cast<std::uint8_t>(byte)));
    EXPECT_FALSE(IsWordByte(0));
}

}  // namespace
}  // namespace velmo::testing
