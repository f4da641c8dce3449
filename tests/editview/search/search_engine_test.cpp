// The search rules against the plain model, at random; and the failures the
// random texts are too short to meet.
#include <gtest/gtest.h>

#include "../model/editing_fixture.h"
#include "search_driver.h"

namespace velmo::testing {
namespace {

TEST(RandomSearchTest, AgreesWithThePlainModel) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SearchDriver driver;
        RandomChoices choices(seed);
        for (int step = 0; step < 4000; ++step) {
            ASSERT_EQ(driver.Step(choices), "") << "seed " << seed << " step " << step;
        }
    }
}

class SearchTest : public EditingFixture {
protected:
    std::uint32_t Run(const std::string& find, const std::string& with, std::uint32_t operation = SEARCH_REPLACE_ALL) {
        SearchRequest request{operation, 1, 1, find.c_str(), with.c_str()};
        return engine.Run(request, host);
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

const std::string kLong(70000, 'x');
const std::uint32_t kFullPool = UndoStore::kPoolStep - 1;  // a kept step that leaves the history no room

// Allocations in order: the two case copies, the undo history's growth, the
// new text block. Refused, or failing later, nothing changes (a refused
// replace keeps the match selected); allowed, both histories are emptied,
// their offsets being stale. The same for the undo of a replace-all, which
// exchanges whole texts, with a full redo history.
TEST_F(SearchTest, WithAFullHistoryReplacingAndItsUndoAskFirst) {
    SetText(kLong);
    store.SetSelection(0, kFullPool - 1);
    Replace("z");
    editor.Undo();
    editor.Redo();
    store.SetSelection(0, 1);
    Replace("y");  // the undo history is full now
    store.SetSelection(2, 3);
    const std::string before = Text();
    events.Take();
    for (bool allow : {true, false}) {
        SCOPED_TRACE(allow ? "allowed, no text block" : "refused");
        events.allowWithoutUndo = allow;
        SystemHeap().FailAfter(3, 10);
        EXPECT_EQ(Run("x", "w"), 0u);
        SystemHeap().FailAfter(0);
        EXPECT_EQ(engine.Error(), allow ? 8u : 1u);
        EXPECT_EQ(events.Take(), "undofull");
        ExpectDocument(before);
        ExpectSelection(2, 3, 3);
        ExpectSteps(2, 0);
    }
    store.SetSelection(2, 4);
    SystemHeap().FailAfter(3, 10);
    EXPECT_NE(Run("xx", "w", SEARCH_REPLACE), 0u);
    EXPECT_EQ(events.Take(), "undofull");
    ExpectDocument(before);
    ExpectSelection(2, 4, 4);
    events.allowWithoutUndo = true;
    SystemHeap().FailAfter(3);
    EXPECT_EQ(Run("x", "w"), Size(before) - 1);
    EXPECT_EQ(engine.Error(), 0u);
    ExpectDocument("y" + std::string(Size(before) - 1, 'w'));
    ExpectSteps(0, 0);
    EXPECT_EQ(host.rewritten, 1);
    const std::string replaced = Text();
    ASSERT_EQ(Run("y", "v"), 1u);
    store.SetSelection(1, 2);
    Replace(std::string(kFullPool, 'b'));
    editor.Undo();  // the redo history is full now
    events.Take();
    for (bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "undo allowed" : "undo refused");
        events.allowWithoutRedo = allow;
        SystemHeap().FailAfter(1, 10);
        editor.Undo();
        SystemHeap().FailAfter(0);
        EXPECT_EQ(events.Take(), allow ? "redofull edited change caret*" : "redofull");
        ExpectDocument(allow ? replaced : "v" + replaced.substr(1));
        ExpectSteps(allow ? 0 : 1, allow ? 0 : 1);
    }
}

// A replace-all that leaves much less text gives back the block's room.
TEST_F(SearchTest, ShrunkTextKeepsLittleRoom) {
    SetText(std::string(300000, 'x') + "end");
    EXPECT_EQ(Run("x", ""), 300000u);
    ExpectDocument("end");
    EXPECT_LE(store.Buffer().free, kGrowthStep);
    EXPECT_FALSE(store.modified);  // the caller sets it
    editor.Undo();
    ExpectDocument(std::string(300000, 'x') + "end");
}

}  // namespace
}  // namespace velmo::testing
