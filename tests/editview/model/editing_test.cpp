// Edits stopped by memory or by the parent's answer, in the exact states
// the random driver seldom builds: a text block with no room at all, a table
// that must grow, sizes beyond 32 bits, an undo that loses its redo record.
#include "editview/model/editing.h"

#include <gtest/gtest.h>

#include "../view/wrap_test_support.h"
#include "editing_fixture.h"
#include "editview/model/word_chars.h"

namespace velmo::testing {
namespace {

using EditingTest = EditingFixture;

// The record must not be written before the text can grow, and sizes are
// computed beyond 32 bits (the huge text is never read).
TEST_F(EditingTest, TextGrowthFailureLeavesNoTrace) {
    BlockHandle block = BlockWith("a\r\nbc");
    SystemHeap().FailAfter(1);  // the slack cannot be added
    ASSERT_TRUE(SetBlock(block, 5));
    ASSERT_EQ(store.Buffer().free, 0u);
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
    const std::uint8_t few[4] = {};
    EXPECT_EQ(editor.ReplaceSelection(few, 0xFFFF0000u, true), EditResult::NoTextSpace);
    EXPECT_EQ(events.Take(), "maxtext maxtext maxtext maxtext");
    ExpectDocument("a\r\nbc");
    ExpectSteps(0, 1);
    ExpectSelection(5, 5, 5);
}

// A table that must grow for the breaks (wrap off) or for the rows of one
// long line (wrap on, one character a row): refused before anything changed.
TEST_F(EditingTest, TableGrowthFailureLeavesNoTrace) {
    std::string breaks;
    for (int i = 0; i < 20000; ++i) breaks += "\r\n";
    CharWidthTable widths = test::UniformWidths(10);
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "rows" : "lines");
        ASSERT_TRUE(store.SetWordWrap(wrap, widths, 10));
        std::string inserted = wrap ? std::string(3 * kGrowthStep / 8, 'a') : breaks;
        SetText("xy");
        store.SetSelection(2, 2);
        Type("b");
        store.SetSelection(1, 1);
        events.Take();
        SystemHeap().FailAlways(true);
        EXPECT_EQ(Replace(inserted), EditResult::NoTableSpace);
        SystemHeap().FailAlways(false);
        EXPECT_EQ(events.Take(), "errspace");
        ExpectSteps(1, 0);
        EXPECT_EQ(Text(), "xyb");
        if (wrap) {
            EXPECT_EQ(test::TableEntries(store.Rows()), (std::vector<RowEntry>{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));
        } else {
            ExpectDocument("xyb");
        }
        EXPECT_EQ(Replace(inserted), EditResult::Done);
        EXPECT_EQ(Text(), "x" + inserted + "yb");
        EXPECT_EQ(store.RowCount(), wrap ? inserted.size() + 3 : 20001u);
    }
}

// Undo must not pop its record (nor write the redo one) unless it goes ahead;
// going ahead without the redo record empties the redo side.
TEST_F(EditingTest, UndoWhoseRedoRecordCannotBeKept) {
    const std::string longText(70000, 'r');
    Type("ab");
    store.SetSelection(1, 1);
    Replace(longText);
    store.SetSelection(0, 0);
    Type("x");
    editor.Undo();
    events.allowWithoutRedo = false;
    SystemHeap().FailAlways(true);
    events.Take();
    EXPECT_EQ(editor.Undo(), EditResult::Cancelled);
    EXPECT_EQ(events.Take(), "redofull");
    ExpectSteps(3, 1);
    ExpectDocument("a" + longText + "b");
    events.allowWithoutRedo = true;
    EXPECT_EQ(editor.Undo(), EditResult::DoneWithoutRecord);
    SystemHeap().FailAlways(false);
    ExpectDocument("ab");
    ExpectSteps(2, 0);
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
