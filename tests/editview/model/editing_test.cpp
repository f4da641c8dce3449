// An undo that loses its redo record while the redo side holds steps: a state
// the random driver seldom builds.
#include "editview/model/editing.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace velmo::testing {
namespace {

using EditingTest = EditingFixture;

// Undo must not pop its record (nor write the redo one) unless it goes ahead;
// going ahead without the redo record empties the redo side.
TEST_F(EditingTest, UndoWhoseRedoRecordCannotBeKept) {
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
