#include "editview/view/hit_test.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

// Index within the drawn run of the boundary nearest to `target` (x from
// text left): after a character whose middle lies before the target.
std::uint32_t NearestBoundary(const std::uint8_t* chars, const RowLayout& layout, std::int64_t target) {
    const CharWidthTable& widths = Control().view.widths;
    bool boxes = widths.ControlCharsShown();
    std::int64_t x = layout.xStart;
    for (std::int32_t i = 0; i < layout.count; ++i) {
        std::int64_t end = widths.Advance(x, chars[i], layout.tabOrigin);
        if (boxes ? end > target : end >= target) {
            return static_cast<std::uint32_t>(x + (end - x) / 2 < target ? i + 1 : i);
        }
        x = end;
    }
    return static_cast<std::uint32_t>(layout.count);
}

}  // namespace

std::uint32_t RowAt(std::int64_t y) {
    const EditControl& c = Control();
    std::int64_t row = std::int64_t{c.view.firstVisibleRow} + (y < 0 ? -1 : y / c.view.lineHeight);
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(row, 0, c.store.LastRow()));
}

std::uint32_t HitTest(std::int64_t x, std::int64_t y) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    TextLock text;
    std::uint32_t row = RowAt(y);
    std::uint32_t start = c.store.RowStart(row);
    LineBytes bytes = RowBytes(text.Bytes(), row);
    if (bytes.length == 0) return start;
    RowLayout layout = LayoutOfRow(text.Bytes(), row);
    if (layout.count <= 0) return start + bytes.length;
    std::int64_t dx = std::max<std::int64_t>(x - v.area.textLeft, 0);
    std::int64_t target = dx > v.area.lastTextX ? v.area.width : dx;
    return start + layout.firstDrawn + NearestBoundary(bytes.bytes + layout.firstDrawn, layout, target);
}

}  // namespace velmo
