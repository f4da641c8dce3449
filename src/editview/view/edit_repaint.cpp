#include "editview/view/edit_repaint.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/view/metrics.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_options.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

void KeepWidestLine(const EditedSpan& span) {
    EditControl& c = Control();
    if (c.store.WordWrap()) return;
    TextLock text;
    c.view.widest.AfterEdit(MeasuredText{c.store.Lines(), text.Bytes(), c.view.widths}, span.offset, span.inserted);
}

}  // namespace

void ViewAfterEdit(const EditedSpan& span) {
    EditControl& c = Control();
    ViewState& v = c.view;
    KeepWidestLine(span);
    // More digits in the gutter narrow the text area: everything is laid out again.
    if (ComputeGutter(true) && v.lineNumbers) {
        Relayout(false, false);
        return;
    }
    std::uint32_t row = c.store.RowFromOffset(span.offset);
    if (!c.store.WordWrap()) {
        std::uint32_t lastLine = c.store.LineFromOffset(span.offset + span.inserted);
        std::int64_t index = std::int64_t{span.line} - v.firstVisibleRow;
        // Every line the edit wrote; a replacement may rewrite several and
        // still keep the line count.
        std::uint32_t changed = span.linesChanged ? c.layouts.Capacity() : lastLine - span.line + 1;
        if (index < 0) {
            c.layouts.InvalidateAll();
        } else {
            c.layouts.InvalidateRows(static_cast<std::uint32_t>(index), changed);
        }
    }
    std::uint32_t firstBefore = v.firstVisibleRow;
    UpdateColumnRange();
    ClampScrollPosition();
    UpdateScrollBars();
    if (v.firstVisibleRow != firstBefore) row = v.firstVisibleRow;
    std::int64_t top = (std::int64_t{row} - v.firstVisibleRow) * v.lineHeight;
    RECT below{0, static_cast<int>(std::clamp<std::int64_t>(top, 0, v.clientHeight)), static_cast<int>(v.clientWidth),
               static_cast<int>(v.clientHeight)};
    InvalidateRect(c.window, &below, FALSE);
}

}  // namespace velmo
