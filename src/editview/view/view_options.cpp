#include "editview/view/view_options.h"

#include <algorithm>

#include "editview/control_state.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"
#include "editview/view/metrics.h"
#include "editview/view/scrolling.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

// The hourglass for the length of a long operation.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(Control().waitCursor)) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous_;
};

void MeasureWidestLine() {
    EditControl& c = Control();
    if (c.store.WordWrap()) return;
    TextLock text;
    c.view.widest.Measure(MeasuredText{c.store.Lines(), text.Bytes(), c.view.widths});
}

// Breaks the rows again when the widths or the text area's width changed. A
// minimised window keeps its rows: a width of 0 would put every byte on a row
// of its own. True when the rows were broken again.
bool Rebreak(bool widthsChanged) {
    EditControl& c = Control();
    if (!c.store.WordWrap() || c.view.clientWidth == 0) return false;
    if (!widthsChanged && c.store.Rules().wrapWidth == c.view.area.width) return false;
    WaitCursor wait;
    if (!c.store.Rewrap(c.view.widths, c.view.area.width)) {
        NotifyParent(EN_ERRSPACE);
        return false;
    }
    return true;
}

// After a change that moves the text on screen: the caret back into view, its
// goal x taken afresh, and the parent told where it is.
void ShowCaretAfterLayout() {
    ScrollCaretIntoView();
    Control().input.goalSet = false;
    SendCaretPosition();
}

}  // namespace

void UpdateColumnRange() {
    EditControl& c = Control();
    ViewState& v = c.view;
    std::uint64_t width = v.widest.LastWidth();
    if (!c.store.WordWrap()) {
        TextLock text;
        width = v.widest.Current(MeasuredText{c.store.Lines(), text.Bytes(), v.widths}).width;
    }
    v.columns = ColumnRangeFor(width, v.widths.ColumnWidth());
}

void UpdateColumnRangeAfterEdit() {
    EditControl& c = Control();
    ViewState& v = c.view;
    if (c.store.WordWrap() || v.widest.Known()) {
        UpdateColumnRange();
        return;
    }
    v.columns = ColumnRangeFor(v.widest.LastWidth(), v.widths.ColumnWidth());
    c.bars.Remind(c.window);
}

void MeasureWaitingWidestLine() {
    EditControl& c = Control();
    ViewState& v = c.view;
    if (c.store.WordWrap() || v.widest.Known()) return;
    std::uint32_t first = v.firstVisibleColumn;
    UpdateColumnRange();
    ClampScrollPosition();
    UpdateScrollBars();
    if (v.firstVisibleColumn == first) return;
    InvalidateRect(c.window, nullptr, FALSE);
    PlaceCaret();
}

bool Relayout(bool widthsChanged, bool textChanged) {
    EditControl& c = Control();
    ComputeGeometry();
    bool rebroken = Rebreak(widthsChanged);
    if (widthsChanged || textChanged) MeasureWidestLine();
    UpdateColumnRange();
    ClampScrollPosition();
    UpdateScrollBars();
    LayOutVisibleRows();
    InvalidateRect(c.window, nullptr, FALSE);
    UpdateWindow(c.window);
    PlaceCaret();
    return rebroken;
}

void ChangeFont(HFONT font, bool redraw) {
    EditControl& c = Control();
    WaitCursor wait;
    c.view.font = font;
    DestroyCaret();
    MeasureFont();
    MakeLineNumberFont();
    ComputeGutter(false);
    Relayout(true, false);
    if (c.focused) CreateViewCaret();
    ShowCaretAfterLayout();
    if (redraw) UpdateWindow(c.window);
}

void ChangePadding(WPARAM above, LPARAM below) {
    ViewState& v = Control().view;
    v.padding = PaddingFromRequest(static_cast<std::int64_t>(above), static_cast<std::int64_t>(below));
    v.lineHeight = LineHeight(v.fontHeight, v.externalLeading, v.padding);
    Relayout(false, false);
}

void ChangeMargins(WPARAM left, LPARAM right) {
    Control().view.margins = MarginsFromRequest(static_cast<std::int64_t>(left), static_cast<std::int64_t>(right));
    Relayout(false, false);
    ShowCaretAfterLayout();
}

void ShowLineNumbers(bool on) {
    ViewState& v = Control().view;
    if (on == v.lineNumbers) return;
    v.lineNumbers = on;
    if (on) ComputeGutter(false);
    Relayout(false, false);
    ShowCaretAfterLayout();
}

void ShowControlChars(bool on) {
    EditControl& c = Control();
    if (on == c.store.showControlChars) return;
    WaitCursor wait;
    c.store.showControlChars = on;
    c.view.widths.ShowControlChars(on);
    Relayout(true, false);
    ShowCaretAfterLayout();
}

LRESULT SetWordWrap(bool on) {
    EditControl& c = Control();
    ViewState& v = c.view;
    if (on == c.store.WordWrap()) return on ? 1 : 0;
    WaitCursor wait;
    // The view keeps showing the same text at its top.
    std::uint32_t topOffset = c.store.RowStart(std::min(v.firstVisibleRow, c.store.LastRow()));
    if (!c.store.SetWordWrap(on, v.widths, v.area.width)) {
        NotifyParent(EN_ERRSPACE);
        return c.store.WordWrap() ? 1 : 0;
    }
    ShowScrollBar(c.window, SB_HORZ, on ? FALSE : TRUE);
    v.firstVisibleColumn = 0;
    v.firstVisibleRow = c.store.RowFromOffset(topOffset);
    if (!on) ComputeGutter(false);
    Relayout(false, !on);
    ShowCaretAfterLayout();
    return on ? 1 : 0;
}

void ResizeView(std::uint32_t width, std::uint32_t height) {
    ViewState& v = Control().view;
    v.clientWidth = width;
    v.clientHeight = height;
    if (Relayout(false, false)) ShowCaretAfterLayout();
}

}  // namespace velmo
