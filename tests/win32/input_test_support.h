#pragma once
// A fixed-pitch control for the keyboard and mouse tests, with helpers that
// press keys under a chosen Ctrl and Shift state and read back the caret.
#include <string>

#include "editview/control_state.h"
#include "editview/editview_messages.h"
#include "test_window.h"

namespace velmo::test {

class InputTest : public EditViewTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Presses `key` with the given modifiers held (GetKeyState sees them).
    void Press(WPARAM key, bool ctrl = false, bool shift = false, int times = 1);
    // Places the caret at `offset` with nothing selected and clears the log.
    void CaretAt(std::uint32_t offset);
    // (start, end, caret) of the selection.
    std::string Sel();
    // The caret positions the parent was told, as "line:column ..." .
    std::string Told();
    static std::uint32_t Caret() { return Control().store.Sel().caret; }
    static int LineHeight() { return static_cast<int>(Control().view.lineHeight); }
    static int CharWidth() { return static_cast<int>(Control().view.widths.Width('x')); }
    // The client point of column `column` on view row `row` (its middle height).
    static LPARAM Point(int column, int row);
    static void SetKeys(bool ctrl, bool shift);
    void WrapOn();
};

}  // namespace velmo::test
