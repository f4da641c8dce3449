// The document with word wrap on when its rows cannot be had: a new text that
// cannot be laid out, and an edit whose rows do not fit.
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

// A file's text arrives with its line table; when its rows cannot be had the
// open document stays, and the text and table are still the caller's.
TEST_F(TextStoreWrapTest, LoadedTextThatCannotBeLaidOutLeavesTheDocument) {
    ASSERT_TRUE(WrapOn());
    Replace("keep\r\nme");
    const std::vector<RowEntry> rows = Rows();
    std::string loaded(3 * kGrowthStep, 'a');
    BlockHandle block = SystemHeap().Allocate(loaded.size(), true);
    std::memcpy(SystemHeap().Lock(block), loaded.data(), loaded.size());
    LineTable lines;
    ASSERT_TRUE(BuildLineTable(SystemHeap(), SystemHeap().Lock(block), Size(loaded), &lines));
    SystemHeap().Unlock(block);
    SystemHeap().FailAfter(1, 3);  // no room for the rows, worst case or counted
    EXPECT_FALSE(store.AdoptLoaded(block, Size(loaded), lines));
    SystemHeap().FailAfter(0);
    EXPECT_EQ(Text(), "keep\r\nme");
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(editor.UndoSteps(), 1u);
    SystemHeap().Free(lines.handle);
    SystemHeap().Free(block);
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

}  // namespace
}  // namespace velmo::testing
