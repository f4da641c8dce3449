#include "editview/view/view_rows.h"

#include "editview/control_state.h"

namespace velmo {

TextLock::TextLock()
    : wasLocked_(Control().store.Buffer().IsLocked()), bytes_(Control().store.Buffer().Lock(Control().store.Heap())) {}

TextLock::~TextLock() {
    if (!wasLocked_) Control().store.Buffer().Unlock(Control().store.Heap());
}

LineBytes RowBytes(const std::uint8_t* text, std::uint32_t row) {
    const TextStore& store = Control().store;
    if (row > store.LastRow()) return LineBytes{text, 0};
    return LineBytes{text + store.RowStart(row), store.RowTextLength(row)};
}

LayoutFrame FrameUpTo(std::int64_t rightEdge) {
    const ViewState& v = Control().view;
    return LayoutFrame{&v.widths, v.ScrollOffset(), rightEdge - v.area.textLeft};
}

RowLayout LayoutOfRow(const std::uint8_t* text, std::uint32_t row) {
    EditControl& c = Control();
    LineBytes bytes = RowBytes(text, row);
    if (c.store.WordWrap()) {
        auto end = static_cast<std::int32_t>(c.view.widths.RunEnd(bytes.bytes, bytes.length, 0, 0));
        return RowLayout{0, 0, 0, static_cast<std::int32_t>(bytes.length), 0, end};
    }
    std::int64_t index = std::int64_t{row} - c.view.firstVisibleRow;
    return c.layouts.Load(index, bytes, FrameUpTo(c.view.area.textRight));
}

std::int64_t XInRow(const std::uint8_t* text, std::uint32_t row, std::uint32_t column) {
    const ViewState& v = Control().view;
    LineBytes bytes = RowBytes(text, row);
    if (column > bytes.length) column = bytes.length;
    RowLayout layout = LayoutOfRow(text, row);
    if (layout.count > 0 && column >= layout.firstDrawn) {
        return v.widths.RunEnd(bytes.bytes + layout.firstDrawn, column - layout.firstDrawn, layout.xStart,
                               layout.tabOrigin);
    }
    // Left of the drawn part, or a line wholly scrolled out: measured from its start.
    auto offset = static_cast<std::int64_t>(v.ScrollOffset());
    return v.widths.RunEnd(bytes.bytes, column, 0, 0) - offset;
}

void LayOutVisibleRows() {
    EditControl& c = Control();
    if (c.store.WordWrap()) return;
    TextLock text;
    std::uint32_t first = c.view.firstVisibleRow;
    c.layouts.LayOutVisibleRows(
        c.view.rows.touched, [&](std::uint32_t k) { return RowBytes(text.Bytes(), first + k); },
        FrameUpTo(c.view.area.textRight));
}

}  // namespace velmo
