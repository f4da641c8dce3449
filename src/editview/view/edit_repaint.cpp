#include "editview/view/edit_repaint.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/view/metrics.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_options.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

// With wrap off: the lines the edit wrote may now be the widest.
void WidenForLines(std::uint32_t first, std::uint32_t last) {
    EditControl& c = Control();
    ViewState& v = c.view;
    TextLock text;
    for (std::uint32_t line = first; line <= last; ++line) {
        LineBytes bytes = RowBytes(text.Bytes(), line);
        std::uint64_t width = LineWidth(bytes.bytes, bytes.length, v.widths);
        if (width > v.widest.width) v.widest = WidestLine{width, line};
    }
    v.columns = ColumnRangeFor(v.widest.width, v.widths.ColumnWidth());
}

}  // namespace

void ViewAfterEdit(const EditedSpan& span) {
    EditControl& c = Control();
    ViewState& v = c.view;
    // More digits in the gutter narrow the text area: everything is laid out again.
    if (ComputeGutter(true) && v.lineNumbers) {
        Relayout(false, false);
        return;
    }
    std::uint32_t row = c.store.RowFromOffset(span.offset);
    if (!c.store.WordWrap()) {
        std::uint32_t lastLine = c.store.LineFromOffset(span.offset + span.inserted);
        WidenForLines(span.line, lastLine);
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
    ClampScrollPosition();
    UpdateScrollBars();
    if (v.firstVisibleRow != firstBefore) row = v.firstVisibleRow;
    std::int64_t top = (std::int64_t{row} - v.firstVisibleRow) * v.lineHeight;
    RECT below{0, static_cast<int>(std::clamp<std::int64_t>(top, 0, v.clientHeight)), static_cast<int>(v.clientWidth),
               static_cast<int>(v.clientHeight)};
    InvalidateRect(c.window, &below, FALSE);
}

}  // namespace velmo
