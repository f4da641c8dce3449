#include "editview/view/scrolling.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/scroll_rules.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

VerticalFrame Frame() {
    const EditControl& c = Control();
    return VerticalFrame{c.view.firstVisibleRow, c.store.RowCount(), c.view.rows.full, c.view.rows.touched};
}

std::uint32_t LastFirstColumn() {
    const ViewState& v = Control().view;
    return v.columns.total > v.area.visibleColumns ? v.columns.total - v.area.visibleColumns : 0;
}

void SetBar(int bar, std::uint32_t last, std::uint32_t page, std::uint32_t pos) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = static_cast<int>(std::min<std::uint32_t>(last, 0x7FFFFFFF));
    info.nPage = page;
    info.nPos = static_cast<int>(std::min<std::uint32_t>(pos, 0x7FFFFFFF));
    SetScrollInfo(Control().window, bar, &info, TRUE);
}

std::uint32_t TrackPosition(int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(Control().window, bar, &info);
    return static_cast<std::uint32_t>(std::max(info.nTrackPos, 0));
}

void RepaintNow() {
    EditControl& c = Control();
    InvalidateRect(c.window, nullptr, FALSE);
    UpdateWindow(c.window);
}

// Moves the view to `row` without repainting; true when it moved.
bool MoveToRow(std::uint32_t row) {
    ViewState& v = Control().view;
    RowLayoutCache& layouts = Control().layouts;
    row = std::min(row, FirstRowAfterCode(Frame(), SB_BOTTOM, 0));
    if (row == v.firstVisibleRow) return false;
    // A single-row scroll keeps the other rows' layouts.
    if (row == v.firstVisibleRow + 1) {
        layouts.ShiftUp(v.rows.full);
    } else if (row + 1 == v.firstVisibleRow) {
        layouts.ShiftDown(v.rows.full);
    } else {
        layouts.InvalidateAll();
    }
    v.firstVisibleRow = row;
    SetScrollPos(Control().window, SB_VERT, static_cast<int>(std::min<std::uint32_t>(row, 0x7FFFFFFF)), TRUE);
    return true;
}

// Moves the view to `column` without repainting; true when it moved.
bool MoveToColumn(std::uint32_t column) {
    EditControl& c = Control();
    ViewState& v = c.view;
    if (c.store.WordWrap()) return false;
    column = std::min(column, LastFirstColumn());
    if (column == v.firstVisibleColumn) return false;
    std::uint64_t oldOffset = v.ScrollOffset();
    v.firstVisibleColumn = column;
    TextLock text;
    std::uint32_t first = v.firstVisibleRow;
    c.layouts.ScrollHorizontally(
        v.rows.touched, [&](std::uint32_t k) { return RowBytes(text.Bytes(), first + k); }, oldOffset,
        FrameUpTo(v.area.textRight));
    SetScrollPos(c.window, SB_HORZ, static_cast<int>(std::min<std::uint32_t>(column, 0x7FFFFFFF)), TRUE);
    return true;
}

void FinishScroll(bool notify = true) {
    LayOutVisibleRows();
    RepaintNow();
    PlaceCaret();
    if (notify) SendCaretPosition();
}

// The page-aligned first column that shows the caret, with wrap off.
std::uint32_t ColumnShowingCaret() {
    EditControl& c = Control();
    const ViewState& v = c.view;
    if (c.store.RowTextLength(c.store.CaretRow()) == 0) return 0;
    auto absolute = static_cast<std::uint64_t>(std::max<std::int64_t>(
        v.caretX - v.area.textLeft + static_cast<std::int64_t>(v.ScrollOffset()), 0));
    return FirstColumnShowing(static_cast<std::uint32_t>(std::min<std::uint64_t>(absolute / v.widths.ColumnWidth(),
                                                                                  0xFFFFFFFFu)),
                              v.area.visibleColumns);
}

// The first column that shows the caret after the fewest whole columns of
// scrolling, with wrap off.
std::uint32_t ColumnJustShowingCaret() {
    const ViewState& v = Control().view;
    std::int64_t x = v.caretX - v.area.textLeft;
    std::int64_t column = v.widths.ColumnWidth();
    std::int64_t first = v.firstVisibleColumn;
    if (x < 0) first -= (-x + column - 1) / column;
    if (x > std::int64_t{v.area.width}) first += (x - v.area.lastTextX + column - 1) / column;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(first, 0, 0xFFFFFFFFu));
}

}  // namespace

void UpdateScrollBars() {
    EditControl& c = Control();
    const ViewState& v = c.view;
    if (!c.store.WordWrap()) SetBar(SB_HORZ, v.columns.last, v.area.visibleColumns, v.firstVisibleColumn);
    SetBar(SB_VERT, c.store.LastRow(), v.rows.full, v.firstVisibleRow);
}

void ScrollByCode(int code, bool notify) {
    if (code == SB_THUMBPOSITION || code == SB_ENDSCROLL) return;
    std::uint32_t track = code == SB_THUMBTRACK ? TrackPosition(SB_VERT) : 0;
    MoveToRow(FirstRowAfterCode(Frame(), code, track));
    FinishScroll(notify);
}

void ScrollColumnsByCode(int code, bool notify) {
    EditControl& c = Control();
    if (c.store.WordWrap() || code == SB_THUMBPOSITION || code == SB_ENDSCROLL) return;
    std::uint32_t first = c.view.firstVisibleColumn, visible = c.view.area.visibleColumns;
    std::uint32_t target = first;
    switch (code) {
    case SB_LINELEFT: target = first > 0 ? first - 1 : 0; break;
    case SB_LINERIGHT: target = first + 1; break;
    case SB_PAGELEFT: target = first > visible ? first - visible : 0; break;
    case SB_PAGERIGHT: target = first + visible; break;
    case SB_THUMBTRACK: target = TrackPosition(SB_HORZ); break;
    case SB_LEFT: target = 0; break;
    default: break;
    }
    MoveToColumn(target);
    FinishScroll(notify);
}

void ScrollWheel(WPARAM wParam) {
    std::int32_t rows = WheelRows(static_cast<short>(HIWORD(wParam)), Control().view.wheelStep);
    if (rows != 0) ScrollLines(-rows);
}

void ScrollLines(std::int64_t rows) {
    MoveToRow(FirstRowAfterLines(Frame(), rows));
    FinishScroll();
}

void ScrollToRow(std::uint32_t row, bool notify) {
    if (MoveToRow(row)) FinishScroll(notify);
}

bool ScrollCaretIntoView(Sideways sideways) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    std::uint32_t row = c.store.CaretRow();
    std::int64_t bottom = (std::int64_t{row} - v.firstVisibleRow + 1) * v.lineHeight;
    bool moved = MoveToRow(FirstRowShowing(Frame(), row, bottom > v.clientHeight));
    ComputeCaretPosition();
    if (!c.store.WordWrap() && (!CaretVisible() || c.store.RowTextLength(row) == 0)) {
        std::uint32_t column = sideways == Sideways::kByPage ? ColumnShowingCaret() : ColumnJustShowingCaret();
        moved = MoveToColumn(column) || moved;
    }
    if (moved) {
        LayOutVisibleRows();
        RepaintNow();
    }
    PlaceCaret();
    return moved;
}

void ScrollFoundIntoView() {
    EditControl& c = Control();
    MoveToRow(FirstRowForFound(Frame(), c.store.CaretRow(), c.options.centerAfterFind));
    ComputeCaretPosition();
    if (!c.store.WordWrap() && !CaretVisible()) MoveToColumn(ColumnShowingCaret());
    FinishScroll();
}

void ClampScrollPosition() {
    EditControl& c = Control();
    ViewState& v = c.view;
    std::uint32_t row = ClampFirstRow(Frame());
    if (row != v.firstVisibleRow) {
        v.firstVisibleRow = row;
        c.layouts.InvalidateAll();
    }
    std::uint32_t column = c.store.WordWrap() ? 0
                                              : ClampFirstColumn(v.firstVisibleColumn, v.area.visibleColumns,
                                                                 v.columns.total);
    if (column != v.firstVisibleColumn) {
        v.firstVisibleColumn = column;
        c.layouts.InvalidateAll();
    }
}

}  // namespace velmo
