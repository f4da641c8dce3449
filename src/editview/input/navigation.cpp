#include "editview/input/navigation.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/input/caret_moves.h"
#include "editview/input/caret_rules.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

TextStore& Store() { return Control().store; }
std::uint32_t Caret() { return Store().Sel().caret; }
bool HasSelection() { return Store().Sel().start != Store().Sel().end; }

// Horizontal moves end here: the caret into view, the goal x from it, the parent told.
void FinishHorizontal() {
    ScrollCaretIntoView();
    SetGoalX();
    SendCaretPosition();
}

void FinishVertical() {
    ScrollCaretIntoView();
    KeepGoalX();
    SendCaretPosition();
}

void HomeOrEnd(bool end, bool ctrl, bool shift) {
    TextStore& store = Store();
    if (!shift) DropSelection();
    std::uint32_t row = ctrl ? (end ? store.LastRow() : 0) : store.CaretRow();
    std::uint32_t target = store.RowStart(row) + (end ? store.RowTextLength(row) : 0);
    MoveCaretTo(target, shift, row);
    FinishHorizontal();
}

// One character or one word right; never past the end of the logical line.
void StepRight(bool ctrl, bool shift) {
    TextStore& store = Store();
    std::uint32_t caret = Caret();
    std::uint32_t limit = store.LineTextEnd(caret) - caret;
    std::uint32_t step = 1;
    if (ctrl) {
        TextLock text;
        step = WordRightDistance(text.Bytes() + caret, limit);
    }
    MoveCaretTo(caret + step, shift, store.CaretRow());
}

void Right(bool ctrl, bool shift) {
    TextStore& store = Store();
    bool collapsed = HasSelection() && !shift;
    if (collapsed) {
        MoveCaretTo(store.Sel().end, false, store.CaretRow());
        if (!ctrl) return FinishHorizontal();
    }
    std::uint32_t caret = Caret();
    if (caret < store.LineTextEnd(caret)) {
        StepRight(ctrl, shift);
    } else {
        std::uint32_t line = store.CaretLine();
        // At the very end only a selection that just collapsed is worth telling.
        if (line + 1 >= store.LineCount()) {
            if (collapsed) FinishHorizontal();
            return;
        }
        if (Control().view.firstVisibleColumn > 0) ScrollColumnsByCode(SB_LEFT, false);
        MoveCaretTo(store.LineIndex(line + 1), shift);
    }
    FinishHorizontal();
}

// A caret that reaches the left edge of a view scrolled sideways brings the
// page before it into view.
void ShowColumnsLeftOfCaret() {
    EditControl& c = Control();
    if (c.store.WordWrap() || c.view.firstVisibleColumn == 0) return;
    ComputeCaretPosition();
    if (c.view.caretX == c.view.area.textLeft) ScrollColumnsByCode(SB_PAGELEFT, false);
}

void Left(bool ctrl, bool shift) {
    TextStore& store = Store();
    if (HasSelection() && !shift) {
        MoveCaretTo(store.Sel().start, false, store.CaretRow());
        if (!ctrl) return FinishHorizontal();
    }
    std::uint32_t caret = Caret();
    if (caret == 0) {
        ScrollCaretIntoView();
        SendCaretPosition();
        return;
    }
    std::uint32_t target = caret;
    std::uint32_t available = store.CaretColumn();
    bool lineStart = available == 0;
    if (lineStart) {
        std::uint32_t previous = store.LineIndex(store.CaretLine() - 1);
        if (store.CaretRow() == Control().view.firstVisibleRow) ScrollByCode(SB_LINEUP, false);
        target = store.LineTextEnd(previous);
        available = target - previous;
    }
    if (ctrl) {
        TextLock text;
        target -= WordLeftDistance(text.Bytes() + target, available);
    } else if (!lineStart) {
        target -= 1;
    }
    MoveCaretTo(target, shift);
    ShowColumnsLeftOfCaret();
    FinishHorizontal();
}

void UpOrDown(bool down, bool shift) {
    TextStore& store = Store();
    std::int64_t goal = GoalX();
    if (!shift) DropSelection();
    std::uint32_t row = store.CaretRow();
    if (down ? row == store.LastRow() : row == 0) return SendCaretPosition();
    std::uint32_t next = down ? row + 1 : row - 1;
    MoveCaretTo(OffsetAtGoal(next, goal), shift, next);
    FinishVertical();
}

void Page(bool down, bool shift) {
    TextStore& store = Store();
    const ViewState& v = Control().view;
    std::int64_t goal = GoalX();
    if (!shift) DropSelection();
    PageFrame frame{store.CaretRow(), v.firstVisibleRow, v.rows.full, v.rows.touched, store.LastRow()};
    PageMove move = down ? PageDownMove(frame) : PageUpMove(frame);
    if (move.first != v.firstVisibleRow) ScrollToRow(move.first, false);
    std::uint32_t row = std::min(move.screenRow + v.firstVisibleRow, store.LastRow());
    MoveCaretTo(OffsetAtGoal(row, goal), shift, row);
    FinishVertical();
}

// Ctrl with Up, Down, Page Up and Page Down scrolls the view and leaves the caret.
bool ScrollOnly(WPARAM key) {
    switch (key) {
    case VK_UP:
        if (Control().view.firstVisibleRow > 0) ScrollByCode(SB_LINEUP, false);
        return true;
    case VK_DOWN: ScrollByCode(SB_LINEDOWN, false); return true;
    case VK_PRIOR: ScrollByCode(SB_PAGEUP, false); return true;
    case VK_NEXT: ScrollByCode(SB_PAGEDOWN, false); return true;
    default: return false;
    }
}

}  // namespace

bool HandleNavigationKey(WPARAM key, bool ctrl, bool shift) {
    if (ctrl && ScrollOnly(key)) return true;
    switch (key) {
    case VK_HOME: HomeOrEnd(false, ctrl, shift); return true;
    case VK_END: HomeOrEnd(true, ctrl, shift); return true;
    case VK_LEFT: Left(ctrl, shift); return true;
    case VK_RIGHT: Right(ctrl, shift); return true;
    case VK_UP: UpOrDown(false, shift); return true;
    case VK_DOWN: UpOrDown(true, shift); return true;
    case VK_PRIOR: Page(false, shift); return true;
    case VK_NEXT: Page(true, shift); return true;
    default: return false;
    }
}

}  // namespace velmo
