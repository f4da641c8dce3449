#include "editview/view/edit_repaint.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/view/metrics.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_options.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

constexpr std::uint32_t kLastRow = 0xFFFFFFFFu;

void KeepWidestLine(const EditedSpan& span) {
    EditControl& c = Control();
    if (c.store.WordWrap()) return;
    TextLock text;
    c.view.widest.AfterEdit(MeasuredText{c.store.Lines(), text.Bytes(), c.view.widths}, span.offset, span.inserted);
}

// The unwrapped view's layouts of the rows first .. last (document rows).
void ForgetLayouts(std::uint32_t first, std::uint32_t last) {
    EditControl& c = Control();
    if (c.store.WordWrap()) return;
    std::int64_t index = std::int64_t{first} - c.view.firstVisibleRow;
    if (index < 0) {
        c.layouts.InvalidateAll();
    } else {
        std::uint64_t count = std::min<std::uint64_t>(std::uint64_t{last} - first + 1, c.layouts.Capacity());
        c.layouts.InvalidateRows(static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(count));
    }
}

// The full width of the document rows first .. last that are in view.
void InvalidateRows(std::uint32_t first, std::uint32_t last) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    std::int64_t top = (std::int64_t{first} - v.firstVisibleRow) * v.lineHeight;
    std::int64_t bottom = (std::int64_t{last} - v.firstVisibleRow + 1) * v.lineHeight;
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min<std::int64_t>(bottom, v.clientHeight);
    if (top >= bottom) return;
    RECT rows{0, static_cast<int>(top), static_cast<int>(v.clientWidth), static_cast<int>(bottom)};
    InvalidateRect(c.window, &rows, FALSE);
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
    // Rows that moved up or down must all be painted again.
    std::uint32_t last = span.linesChanged ? kLastRow : span.lastRow;
    ForgetLayouts(span.firstRow, last);
    std::uint32_t firstBefore = v.firstVisibleRow;
    UpdateColumnRangeAfterEdit();
    ClampScrollPosition();
    UpdateScrollBars();
    if (v.firstVisibleRow != firstBefore) {
        InvalidateRect(c.window, nullptr, FALSE);
    } else {
        InvalidateRows(span.firstRow, last);
    }
}

}  // namespace velmo
