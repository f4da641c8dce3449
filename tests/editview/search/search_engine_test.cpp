// The search rules case by case: where a find starts from the selection,
// what replace-all makes of the text, and what every failure leaves behind.
#include <gtest/gtest.h>

#include "../view/wrap_test_support.h"
#include "search_fixture.h"

namespace velmo::testing {
namespace {

constexpr std::uint32_t kNone = kNoMatch;

struct FindCase {
    const char* name;
    std::string text;
    std::uint32_t selStart, selEnd;
    std::string find;
    bool down, ignoreCase;
    std::uint32_t found;  // start of the selected match, or kNone
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class FindTest : public SearchFixture, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindTest, SelectsTheMatchOrKeepsTheSelection) {
    const FindCase& c = GetParam();
    SetText(c.text);
    store.SetSelection(c.selStart, c.selEnd);
    std::uint32_t answer = Find(c.find, c.down, c.ignoreCase);
    if (c.found == kNone) {
        EXPECT_EQ(answer, 0u);
        ExpectSelection(c.selStart, c.selEnd, c.selEnd);
    } else {
        EXPECT_NE(answer, 0u);
        std::uint32_t end = c.found + Size(c.find);
        ExpectSelection(c.found, end, end);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTest,
    ::testing::Values(
        FindCase{"FromCaret", "aaaa", 0, 0, "aa", true, false, 0},
        FindCase{"OverlapsThePreviousMatch", "aaaa", 0, 2, "aa", true, false, 1},
        FindCase{"OverlapsAgain", "aaaa", 1, 3, "aa", true, false, 2},
        FindCase{"NoWrapAtTheEnd", "aaaa", 2, 4, "aa", true, false, kNone},
        FindCase{"ForwardFromAnOtherSelectionStart", "abxab", 0, 3, "ab", true, false, 0},
        FindCase{"BackwardInsideASelection", "xxabxx", 1, 5, "ab", false, false, 2},
        FindCase{"BackwardBeforeThePreviousMatch", "abab", 2, 4, "ab", false, false, 0},
        FindCase{"BackwardOverlappingTheSelection", "aaa", 1, 2, "aa", false, false, 1},
        FindCase{"BackwardFromTheStart", "abab", 0, 0, "ab", false, false, kNone},
        FindCase{"BackwardNoWrap", "abxx", 1, 1, "xx", false, false, kNone},
        FindCase{"CaseCounts", "x\xc4" "BC", 0, 0, "\xe4" "bc", true, false, kNone},
        FindCase{"CaseIgnored", "x\xc4" "BC", 0, 0, "\xe4" "bc", true, true, 1},
        FindCase{"CaseIgnoredBackward", "aBab", 4, 4, "AB", false, true, 2},
        FindCase{"AcrossALineBreak", "a\r\nb", 0, 0, "\r\nb", true, false, 1},
        FindCase{"LongerThanTheText", "ab", 0, 0, "abc", true, false, kNone},
        FindCase{"LongerThanTheTextBackward", "ab", 2, 2, "abc", false, false, kNone}),
    [](const auto& info) { return info.param.name; });

struct ReplaceAllCase {
    const char* name;
    std::string text, find, with;
    bool ignoreCase;
    std::string result;
    std::uint32_t count;
};

void PrintTo(const ReplaceAllCase& c, std::ostream* os) { *os << c.name; }

class ReplaceAllTest : public SearchFixture, public ::testing::WithParamInterface<ReplaceAllCase> {};

TEST_P(ReplaceAllTest, RewritesAsOneUndoStep) {
    const ReplaceAllCase& c = GetParam();
    SetText(c.text);
    store.SetSelection(1, 2);
    EXPECT_EQ(ReplaceAll(c.find, c.with, c.ignoreCase), c.count);
    EXPECT_EQ(engine.Error(), 0u);
    ExpectDocument(c.result);
    EXPECT_FALSE(store.modified);  // the caller sets it
    if (c.count == 0) {
        ExpectSelection(1, 2, 2);
        EXPECT_EQ(editor.UndoSteps(), 0u);
        return;
    }
    ExpectSelection(0, 0, 0);
    EXPECT_EQ(host.rewritten, 1);
    ASSERT_EQ(editor.UndoSteps(), 1u);
    editor.Undo();
    ExpectDocument(c.text);
    editor.Redo();
    ExpectDocument(c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    ::testing::Values(ReplaceAllCase{"Shrinking", "aaaa", "aa", "b", false, "bb", 2},
                      ReplaceAllCase{"Deleting", "aXa", "a", "", false, "X", 2},
                      ReplaceAllCase{"Growing", "aXa", "a", "abc", false, "abcXabc", 2},
                      ReplaceAllCase{"SameLength", "abXab", "ab", "cd", false, "cdXcd", 2},
                      ReplaceAllCase{"NothingMatches", "abc", "z", "y", false, "abc", 0},
                      ReplaceAllCase{"IgnoringCase", "aAxA", "a", "b", true, "bbxb", 3},
                      ReplaceAllCase{"RemovesLineBreaks", "a\r\nb\r\n", "\r\n", "", false, "ab", 2},
                      ReplaceAllCase{"JoinsALineBreak", "x\ryy\nz", "y", "", false, "x\r\nz", 2},
                      ReplaceAllCase{"GrowsLineBreaks", "a;b;c", ";", "\r\n\r\n", false, "a\r\n\r\nb\r\n\r\nc", 2},
                      ReplaceAllCase{"KeepsNulBytes", std::string("a\0b\0", 4), "b", "cc", false,
                                     std::string("a\0cc\0", 5), 1}),
    [](const auto& info) { return info.param.name; });

using SearchTest = SearchFixture;

TEST_F(SearchTest, ReplaceSelectsFirstThenReplacesAndGoesOn) {
    SetText("one two two");
    EXPECT_NE(Run(SEARCH_REPLACE, "two", "2"), 0u);  // nothing selected: only finds
    EXPECT_EQ(Text(), "one two two");
    ExpectSelection(4, 7, 7);
    EXPECT_NE(Run(SEARCH_REPLACE, "two", "2"), 0u);
    EXPECT_EQ(Text(), "one 2 two");
    ExpectSelection(6, 9, 9);
    EXPECT_EQ(Run(SEARCH_REPLACE, "two", "2"), 0u);  // nothing further: the replacement stays selected
    ExpectDocument("one 2 2");
    ExpectSelection(6, 7, 7);
    EXPECT_EQ(editor.UndoSteps(), 2u);
    EXPECT_TRUE(store.modified);
}

TEST_F(SearchTest, ReplaceUpwardsStillLooksForward) {
    SetText("ab ab ab");
    store.SetSelection(3, 5);
    EXPECT_NE(Run(SEARCH_REPLACE, "AB", "x", false, true), 0u);
    EXPECT_EQ(Text(), "ab x ab");
    ExpectSelection(5, 7, 7);
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

TEST_F(SearchTest, EmptyOrMissingTextsChangeNothing) {
    SetText("abc");
    store.SetSelection(1, 2);
    SearchRequest request{SEARCH_REPLACE_ALL, 1, 0, "", "x"};
    EXPECT_EQ(engine.Run(request, host), 0u);  // an empty find text would never end
    request.findWhat = nullptr;
    EXPECT_EQ(engine.Run(request, host), 0u);
    request = SearchRequest{SEARCH_REPLACE, 1, 0, "b", nullptr};
    EXPECT_EQ(engine.Run(request, host), 0u);
    request.operation = SEARCH_REPLACE_ALL;
    EXPECT_EQ(engine.Run(request, host), 0u);
    request = SearchRequest{3, 1, 0, "b", "x"};
    EXPECT_EQ(engine.Run(request, host), 0u);
    EXPECT_EQ(engine.Error(), 0u);
    ExpectDocument("abc");
    ExpectSelection(1, 2, 2);
    EXPECT_EQ(editor.UndoSteps(), 0u);
}

TEST_F(SearchTest, ErrorStaysWhenNoScanRan) {
    SetText("abc");
    SystemHeap().FailAfter(1);
    EXPECT_EQ(Find("b", true, true), 0u);  // the case copies cannot be had
    EXPECT_EQ(engine.Error(), 8u);
    EXPECT_EQ(Find("abcd"), 0u);
    EXPECT_EQ(engine.Error(), 8u);
    EXPECT_EQ(Find("x"), 0u);  // a scan ran and found nothing
    EXPECT_EQ(engine.Error(), 0u);
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

class ReplaceAllFailureTest : public SearchFixture, public ::testing::WithParamInterface<FailureCase> {};

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
    EXPECT_EQ(Run(SEARCH_REPLACE_ALL, c.find, c.with, true, true), 0u);
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

TEST_F(SearchTest, WithWordWrapTheRowsAreBrokenAgainOrKeptAsTheyWere) {
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
    EXPECT_EQ(test::TableEntries(store.Rows()), test::ReferenceRows(Text(), widths, 30));
}

TEST_F(SearchTest, UndoOfReplaceAllKeepsEverythingWhenTheRowsCannotBeBroken) {
    const CharWidthTable widths = test::UniformWidths(10);
    SetText("ab ab ab\r\nab");
    ASSERT_TRUE(store.SetWordWrap(true, widths, 30));
    ASSERT_EQ(ReplaceAll("ab", "abcd"), 4u);
    const std::vector<RowEntry> rows = test::TableEntries(store.Rows());
    events.Take();
    SystemHeap().FailAfter(1, 10);  // the rows of the text put back
    editor.Undo();
    SystemHeap().FailAfter(0);
    EXPECT_EQ(events.Take(), "errspace");
    EXPECT_EQ(Text(), "abcd abcd abcd\r\nabcd");
    EXPECT_EQ(test::TableEntries(store.Rows()), rows);
    editor.Undo();
    EXPECT_EQ(Text(), "ab ab ab\r\nab");
    EXPECT_EQ(test::TableEntries(store.Rows()), test::ReferenceRows(Text(), widths, 30));
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
    EXPECT_EQ(Run(SEARCH_REPLACE_ALL, "x", "w", true, true), matches);
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
    editor.Undo();
    ExpectDocument(std::string(300000, 'x') + "end");
}

}  // namespace
}  // namespace velmo::testing
