#include "editview/input/mouse.h"

#include "editview/control_state.h"
#include "editview/input/caret_moves.h"
#include "editview/input/caret_rules.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/hit_test.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

struct Point {
    std::int32_t x, y;
};

// Signed: a captured mouse reports points left of and above the window.
Point PointOf(LPARAM lParam) {
    return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool InGutter(std::int32_t x) {
    const ViewState& v = Control().view;
    return v.lineNumbers && x < static_cast<std::int64_t>(v.gutterWidth);
}

bool InTextArea(Point p) {
    const ViewState& v = Control().view;
    return p.x >= static_cast<std::int64_t>(v.area.textLeft) && p.x < static_cast<std::int64_t>(v.area.textRight) &&
           p.y >= 0 && p.y < static_cast<std::int64_t>(v.clientHeight);
}

void StopTimer() {
    EditControl& c = Control();
    if (c.input.timer == 0) return;
    KillTimer(c.window, kAutoScrollTimer);
    c.input.timer = 0;
}

// The selection runs from the anchor to the offset under (x, y).
void ExtendTo(std::int64_t x, std::int64_t y) {
    MoveCaretTo(HitTest(x, y), true, RowAt(y));
    PlaceCaret();
    SendCaretPosition();
}

// The whole logical line under y, its line break included; the caret at its end.
void SelectLine(std::int32_t y) {
    EditControl& c = Control();
    TextStore& store = c.store;
    std::uint32_t line = store.LineOfRow(RowAt(y));
    std::uint32_t start = store.LineIndex(line);
    bool last = line + 1 >= store.LineCount();
    std::uint32_t end = last ? store.Length() : store.LineIndex(line + 1);
    if (!last && c.view.firstVisibleColumn > 0) ScrollColumnsByCode(SB_LEFT, false);
    MoveCaretTo(start, false);
    MoveCaretTo(end, true, last ? store.LastRow() : kAnyRow);
    ScrollCaretIntoView();
    SetGoalX();
    SendCaretPosition();
}

// Whether a drag right of the text has more of the caret's line to show:
// the line as shown (without its break, unless breaks are shown) goes on
// past the caret, or the caret itself is beyond the right edge.
bool MoreToTheRight() {
    EditControl& c = Control();
    const TextStore& store = c.store;
    return store.RowTextLength(store.CaretRow()) > store.RowColumn() ||
           c.view.caretX > static_cast<std::int64_t>(c.view.area.textRight);
}

// The directions a drag beyond the text area scrolls in.
void SetDirections(Point p) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    InputState& input = c.input;
    input.up = p.y < 0 && v.firstVisibleRow > 0;
    input.down = p.y >= static_cast<std::int64_t>(v.clientHeight) &&
                 std::uint64_t{v.firstVisibleRow} + v.rows.full <= c.store.LastRow();
    bool sideways = !c.store.WordWrap();
    input.left = sideways && p.x < static_cast<std::int64_t>(v.area.textLeft) && v.firstVisibleColumn > 0;
    input.right = sideways && p.x >= static_cast<std::int64_t>(v.area.textRight) && MoreToTheRight();
}

void EndDrag() {
    Control().input.selecting = false;
    StopTimer();
    ScrollCaretIntoView(Sideways::kJustEnough);
    SetGoalX();
}

// One row up or down; the selection follows the row that came into view.
void AutoScrollRows() {
    EditControl& c = Control();
    const ViewState& v = c.view;
    const InputState& input = c.input;
    if (input.up && v.firstVisibleRow > 0) {
        ScrollToRow(v.firstVisibleRow - 1, false);
        MoveCaretTo(HitTest(input.lastX, 0), true, v.firstVisibleRow);
    } else if (input.down && std::uint64_t{v.firstVisibleRow} + v.rows.full <= c.store.LastRow()) {
        ScrollToRow(v.firstVisibleRow + 1, false);
        std::int64_t y = std::int64_t{v.clientHeight} - v.lineHeight;
        MoveCaretTo(HitTest(input.lastX, y), true, RowAt(y));
    }
}

// One column left or right; the caret goes to the edge of the shown text.
void AutoScrollColumns() {
    EditControl& c = Control();
    const ViewState& v = c.view;
    const InputState& input = c.input;
    if (c.store.WordWrap()) return;
    std::int64_t y = (std::int64_t{c.store.CaretRow()} - v.firstVisibleRow) * v.lineHeight;
    if (input.left && v.firstVisibleColumn > 0) {
        ScrollColumnsByCode(SB_LINELEFT, false);
        MoveCaretTo(HitTest(v.area.textLeft, y), true, RowAt(y));
    } else if (input.right && MoreToTheRight() && c.store.RowTextLength(c.store.CaretRow()) > 0) {
        ScrollColumnsByCode(SB_LINERIGHT, false);
        MoveCaretTo(HitTest(v.area.textRight, y), true, RowAt(y));
    }
}

}  // namespace

void MouseButtonDown(LPARAM lParam) {
    EditControl& c = Control();
    Point p = PointOf(lParam);
    if (InGutter(p.x)) return SelectLine(p.y);
    MoveCaretTo(HitTest(p.x, p.y), false, RowAt(p.y));
    PlaceCaret();
    if (!c.store.WordWrap() && !CaretVisible()) ScrollCaretIntoView(Sideways::kJustEnough);
    c.input.selecting = true;
    SetCapture(c.window);
    SetGoalX();
    SendCaretPosition();
}

void MouseMove(LPARAM lParam) {
    EditControl& c = Control();
    InputState& input = c.input;
    Point p = PointOf(lParam);
    if (!input.selecting) {
        SetCursor(InGutter(p.x) ? c.arrowCursor : c.beamCursor);
        return;
    }
    input.lastX = p.x;
    input.lastY = p.y;
    input.up = input.down = input.left = input.right = false;
    if (InTextArea(p)) {
        StopTimer();
        return ExtendTo(p.x, p.y);
    }
    SetDirections(p);
    if (!input.up && !input.down && !input.left && !input.right) return ExtendTo(p.x, p.y);
    if (input.left || input.right) ExtendTo(p.x, p.y);
    if (input.timer == 0) input.timer = SetTimer(c.window, kAutoScrollTimer, 10, nullptr);
}

void AutoScrollStep(WPARAM timer) {
    if (timer != kAutoScrollTimer || !Control().input.selecting) return;
    AutoScrollRows();
    AutoScrollColumns();
    PlaceCaret();
    SendCaretPosition();
}

void MouseButtonUp(LPARAM lParam) {
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED at once.
    bool wasSelecting = Control().input.selecting;
    Control().input.selecting = false;
    if (wasSelecting) ReleaseCapture();
    EndDrag();
    if (InGutter(PointOf(lParam).x)) SetCursor(Control().arrowCursor);
}

void MouseCaptureLost() {
    if (Control().input.selecting) EndDrag();
}

void MouseDoubleClick(LPARAM lParam) {
    EditControl& c = Control();
    TextStore& store = c.store;
    MouseButtonDown(lParam);
    // In the gutter the line stays selected.
    if (InGutter(PointOf(lParam).x)) return;
    MouseButtonUp(lParam);
    std::uint32_t start = store.LineIndex(store.CaretLine());
    WordSpan word;
    {
        TextLock text;
        word = WordAround(text.Bytes() + start, store.LineTextEnd(start) - start, store.CaretColumn());
    }
    MoveCaretTo(start + word.start, false);
    MoveCaretTo(start + word.end, true, store.CaretRow());
    ScrollCaretIntoView();
    SetGoalX();
    SendCaretPosition();
}

}  // namespace velmo
