// What every failure of a search leaves behind; the rules themselves are
// checked against the plain model by the random test.
#include <gtest/gtest.h>

#include "../model/editing_fixture.h"
#include "../view/wrap_test_support.h"
#include "search_host.h"

namespace velmo::testing {
namespace {

class SearchTest : public EditingFixture {
protected:
    std::uint32_t Run(std::uint32_t operation, const std::string& find, const std::string& with = "",
                      bool ignoreCase = false) {
        SearchRequest request{operation, 1, ignoreCase ? 1u : 0u, find.c_str(), with.c_str()};
        return engine.Run(request, host);
    }
    std::uint32_t ReplaceAll(const std::string& find, const std::string& with) {
        return Run(SEARCH_REPLACE_ALL, find, with);
    }

    StoreSearchHost host{store, editor};
    SearchEngine engine{store, events, CaseMapping{UpperInPlace, LowerInPlace}};
};

TEST_F(SearchTest, EmptyOrMissingTextsChangeNothing) {
    SetText("abc");
    store.SetSelection(1, 2);
    // An empty find text would never end.
    for (SearchRequest request : {SearchRequest{SEARCH_REPLACE_ALL, 1, 0, "", "x"},
                                  SearchRequest{SEARCH_REPLACE_ALL, 1, 0, nullptr, "x"},
                                  SearchRequest{SEARCH_REPLACE, 1, 0, "b", nullptr},
                                  SearchRequest{SEARCH_REPLACE_ALL, 1, 0, "b", nullptr},
                                  SearchRequest{3, 1, 0, "b", "x"}}) {
        EXPECT_EQ(engine.Run(request, host), 0u);
    }
    EXPECT_EQ(engine.Error(), 0u);
    ExpectDocument("abc");
    ExpectSelection(1, 2, 2);
    EXPECT_EQ(editor.UndoSteps(), 0u);
}

TEST_F(SearchTest, ErrorStaysWhenNoScanRan) {
    SetText("abc");
    SystemHeap().FailAfter(1);
    EXPECT_EQ(Run(SEARCH_FIND, "b", "", true), 0u);  // the case copies cannot be had
    EXPECT_EQ(engine.Error(), 8u);
    EXPECT_EQ(Run(SEARCH_FIND, "abcd"), 0u);
    EXPECT_EQ(engine.Error(), 8u);
    EXPECT_EQ(Run(SEARCH_FIND, "x"), 0u);  // a scan ran and found nothing
    EXPECT_EQ(engine.Error(), 0u);
}

TEST_F(SearchTest, ReplaceRefusedByTheParentKeepsTheMatchSelected) {
    SetText(std::string(70000, 'a'));
    store.SetSelection(0, 70000);
    events.allowWithoutUndo = false;
    SystemHeap().FailAfter(1, 10);  // the undo history cannot grow
    EXPECT_NE(Run(SEARCH_REPLACE, std::string(70000, 'a'), "b"), 0u);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(store.Length(), 70000u);
    ExpectSelection(0, 70000, 70000);
}

// Each failure of a replace-all leaves the text, its line table, the
// selection and the histories as they were, and says why.
struct FailureCase {
    const char* name;
    std::string text, find, with;
    std::uint32_t kept;  // the bytes the undo step kept holds
    unsigned failAt;     // the allocation that fails
    bool allowWithoutUndo;
    std::uint32_t error;
    const char* events;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ReplaceAllFailureTest : public SearchTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReplaceAllFailureTest, LeavesEverythingAsItWas) {
    const FailureCase& c = GetParam();
    SetText(c.text);
    store.SetSelection(0, c.kept);
    Replace("z");  // one undo step to keep
    events.Take();
    store.SetSelection(2, 3);
    std::string before = Text();
    events.allowWithoutUndo = c.allowWithoutUndo;
    SystemHeap().FailAfter(c.failAt, 10);
    EXPECT_EQ(Run(SEARCH_REPLACE_ALL, c.find, c.with, true), 0u);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(engine.Error(), c.error);
    ExpectDocument(before);
    ExpectSelection(2, 3, 3);
    EXPECT_EQ(editor.UndoSteps(), 1u);
    EXPECT_EQ(events.Take(), c.events);
    EXPECT_EQ(host.rewritten, 0);
}

const std::string kLong(70000, 'x');
const std::uint32_t kFullPool = UndoStore::kPoolStep - 1;  // a kept step that leaves the history no room
const std::string kMedium(10000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllFailureTest,
    // Allocations in order: the two case copies, the undo history's growth
    // (when it is full), the new text block, the line table.
    ::testing::Values(FailureCase{"UpperCaseCopy", "axa", "a", "b", 1, 1, true, 8, ""},
                      FailureCase{"LowerCaseCopy", "axa", "a", "b", 1, 2, true, 8, ""},
                      FailureCase{"UndoRefusedByTheParent", kLong, "x", "y", kFullPool, 3, false, 1, "undofull"},
                      FailureCase{"NoRoomWithoutUndo", kLong, "x", "y", kFullPool, 3, true, 8, "undofull"},
                      FailureCase{"ShorterTextBlock", kMedium, "x", "", 1, 3, true, 8, ""},
                      FailureCase{"LongerTextBlock", kMedium, "x", "yyyyyyyy", 1, 3, true, 8, ""},
                      FailureCase{"LargerLineTable", kMedium, "x", "\r\n\r\n\r\n\r\n", 1, 4, true, 8, ""}),
    [](const auto& info) { return info.param.name; });

// With word wrap the rows are broken again, or kept as they were when they
// cannot be, by the replace-all and by its undo alike.
TEST_F(SearchTest, WithWordWrapTheRowsFollowTheTextOrStayAsTheyWere) {
    const CharWidthTable widths = test::UniformWidths(10);  // rows of 3 characters at width 30
    SetText("ab ab ab\r\nab");
    ASSERT_TRUE(store.SetWordWrap(true, widths, 30));
    const std::vector<RowEntry> rows = test::TableEntries(store.Rows());
    SystemHeap().FailAfter(2, 10);  // the new text block, then the new rows
    EXPECT_EQ(ReplaceAll("ab", "abcd"), 0u);
    SystemHeap().FailAfter(0);
    EXPECT_EQ(engine.Error(), 8u);
    EXPECT_EQ(Text(), "ab ab ab\r\nab");
    EXPECT_EQ(test::TableEntries(store.Rows()), rows);
    EXPECT_EQ(ReplaceAll("ab", "abcd"), 4u);
    const std::vector<RowEntry> replaced = test::TableEntries(store.Rows());
    EXPECT_EQ(replaced, test::ReferenceRows(Text(), widths, 30));
    events.Take();
    SystemHeap().FailAfter(1, 10);  // the rows of the text put back
    editor.Undo();
    SystemHeap().FailAfter(0);
    EXPECT_EQ(events.Take(), "errspace");
    EXPECT_EQ(Text(), "abcd abcd abcd\r\nabcd");
    EXPECT_EQ(test::TableEntries(store.Rows()), replaced);
    editor.Undo();
    EXPECT_EQ(Text(), "ab ab ab\r\nab");
    EXPECT_EQ(test::TableEntries(store.Rows()), rows);
}

TEST_F(SearchTest, WithoutItsUndoStepReplaceAllEmptiesTheHistories) {
    SetText(kLong);
    store.SetSelection(0, kFullPool - 1);
    Replace("z");
    editor.Undo();
    editor.Redo();
    store.SetSelection(0, 1);
    Replace("y");  // the undo history is full now
    ASSERT_EQ(editor.UndoSteps(), 2u);
    const std::uint32_t matches = store.Length() - 1;
    SystemHeap().FailAfter(3);  // the case copies, then the undo history's growth
    EXPECT_EQ(Run(SEARCH_REPLACE_ALL, "x", "w", true), matches);
    EXPECT_EQ(engine.Error(), 0u);
    ExpectDocument("y" + std::string(matches, 'w'));
    EXPECT_EQ(editor.UndoSteps(), 0u);
    EXPECT_EQ(editor.RedoSteps(), 0u);
}

// Undoing a replace-all exchanges whole texts; a redo history that cannot
// take the step refuses the undo or, allowed, lets it go without its redo.
TEST_F(SearchTest, UndoOfReplaceAllWithAFullRedoHistory) {
    for (bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "allowed" : "refused");
        SetText("axa");
        ASSERT_EQ(ReplaceAll("x", "y"), 1u);
        store.SetSelection(0, 1);
        Replace(std::string(kFullPool, 'b'));
        editor.Undo();  // the redo history is full now
        events.Take();
        events.allowWithoutRedo = allow;
        SystemHeap().FailAfter(1, 10);
        editor.Undo();
        SystemHeap().FailAfter(0);
        EXPECT_EQ(events.Take(), allow ? "redofull edited change caret*" : "redofull");
        ExpectDocument(allow ? "axa" : "aya");
        EXPECT_EQ(editor.UndoSteps(), allow ? 0u : 1u);
        EXPECT_EQ(editor.RedoSteps(), allow ? 0u : 1u);
    }
}

// A replace-all that leaves much less text gives back the block's room.
TEST_F(SearchTest, ShrunkTextKeepsLittleRoom) {
    SetText(std::string(300000, 'x') + "end");
    EXPECT_EQ(ReplaceAll("x", ""), 300000u);
    ExpectDocument("end");
    EXPECT_LE(store.Buffer().free, kGrowthStep);
    EXPECT_FALSE(store.modified);  // the caller sets it
    editor.Undo();
    ExpectDocument(std::string(300000, 'x') + "end");
}

}  // namespace
}  // namespace velmo::testing
