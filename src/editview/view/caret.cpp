#include "editview/view/caret.h"

#include <climits>

#include "editview/control_state.h"
#include "editview/view/view_rows.h"

namespace velmo {

void ComputeCaretPosition() {
    EditControl& c = Control();
    ViewState& v = c.view;
    TextLock text;
    std::uint32_t row = c.store.CaretRow();
    v.caretX = v.area.textLeft + XInRow(text.Bytes(), row, c.store.RowColumn());
    v.caretY = (std::int64_t{row} - v.firstVisibleRow) * v.lineHeight + v.padding.above;
}

void PlaceCaret() {
    EditControl& c = Control();
    ComputeCaretPosition();
    const ViewState& v = c.view;
    std::int64_t x = v.caretX;
    bool hidden = x < v.area.textLeft || x > INT_MAX || (x > v.area.textRight && x < v.clientWidth);
    std::int64_t y = v.caretY;
    bool above = y < INT_MIN || y > INT_MAX;
    SetCaretPos(hidden ? -1 : static_cast<int>(x), above ? -static_cast<int>(v.lineHeight) : static_cast<int>(y));
}

void CreateViewCaret() {
    EditControl& c = Control();
    CreateCaret(c.window, nullptr, static_cast<int>(c.view.caretWidth), static_cast<int>(c.view.fontHeight));
    PlaceCaret();
    ShowCaret(c.window);
}

bool CaretVisible() {
    const ViewState& v = Control().view;
    return v.caretX >= v.area.textLeft && v.caretX <= v.area.textRight && v.caretY >= 0 &&
           v.caretY < v.clientHeight;
}

}  // namespace velmo
