#include "editview/input/caret_moves.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/input/caret_rules.h"
#include "editview/view/view_rows.h"

namespace velmo {

void MoveCaretTo(std::uint32_t target, bool extend, std::uint32_t row) {
    EditControl& c = Control();
    Selection& s = c.store.Sel();
    if (!extend) s.anchor = target;
    s.caret = target;
    s.start = std::min(s.anchor, target);
    s.end = std::max(s.anchor, target);
    c.store.PlaceCaretOnRow(row);
    InvalidateRect(c.window, nullptr, FALSE);
}

void DropSelection() {
    const Selection& s = Control().store.Sel();
    if (s.start == s.end) return;
    // A caret already at the start keeps the row it is shown on.
    MoveCaretTo(s.start, false, s.caret == s.start ? Control().store.CaretRow() : kAnyRow);
}

void SetGoalX() {
    EditControl& c = Control();
    TextLock text;
    LineBytes bytes = RowBytes(text.Bytes(), c.store.CaretRow());
    std::uint32_t column = std::min(c.store.RowColumn(), bytes.length);
    c.input.goalX = c.view.widths.RunEnd(bytes.bytes, column, 0, 0);
    KeepGoalX();
}

std::int64_t GoalX() {
    InputState& input = Control().input;
    if (!input.goalSet || input.goalCaret != Control().store.Sel().caret) SetGoalX();
    return input.goalX;
}

void KeepGoalX() {
    InputState& input = Control().input;
    input.goalCaret = Control().store.Sel().caret;
    input.goalSet = true;
}

std::uint32_t OffsetAtGoal(std::uint32_t row, std::int64_t x) {
    EditControl& c = Control();
    TextLock text;
    LineBytes bytes = RowBytes(text.Bytes(), row);
    return c.store.RowStart(row) + ColumnNearestX(c.view.widths, bytes.bytes, bytes.length, x);
}

}  // namespace velmo
