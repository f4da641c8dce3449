#include "editview/view/simple_view.h"

#include <algorithm>

#include "editview/control_state.h"

namespace velmo {

namespace {

int tabStop = 32;

HFONT FontInUse() {
    HFONT font = Control().view.font;
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
}

// Pixel width of text[0, count) drawn from the text's left edge.
int TextWidth(HDC dc, const char* text, std::uint32_t count) {
    if (count == 0) return 0;
    return LOWORD(GetTabbedTextExtentA(dc, text, static_cast<int>(count), 1, &tabStop));
}

int LineTop(std::uint32_t line) {
    const ViewGeometry& v = Control().view;
    return static_cast<int>(line - v.firstVisibleLine) * v.lineHeight;
}

void PaintLine(HDC dc, const char* text, std::uint32_t line, const RECT& row) {
    EditControl& c = Control();
    const LineTable& lines = c.store.Lines();
    std::uint32_t start = lines.Start(line);
    std::uint32_t shown = lines.LineTextLength(line, c.store.showControlChars);
    bool on = c.focused;
    FillRect(dc, &row, c.colours.Brush(kBackgroundBrush, on));
    int left = c.view.marginLeft;
    int top = row.top + c.view.paddingAbove;
    SetTextColor(dc, c.colours.Colour(kTextColour, on));
    TabbedTextOutA(dc, left, top, text + start, static_cast<int>(shown), 1, &tabStop, left);
    const Selection& sel = c.store.Sel();
    std::uint32_t from = std::max(sel.start, start), to = std::min(sel.end, start + shown);
    if (from >= to) return;
    RECT band = row;
    band.left = left + TextWidth(dc, text + start, from - start);
    band.right = left + TextWidth(dc, text + start, to - start);
    FillRect(dc, &band, c.colours.Brush(kSelectionBrush, on));
    SetTextColor(dc, c.colours.Colour(kSelectedTextColour, on));
    TabbedTextOutA(dc, band.left, top, text + from, static_cast<int>(to - from), 1, &tabStop, left);
}

}  // namespace

void MeasureFont() {
    EditControl& c = Control();
    HDC dc = GetDC(c.window);
    HGDIOBJ old = SelectObject(dc, FontInUse());
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SIZE x;
    GetTextExtentPoint32A(dc, "x", 1, &x);
    SelectObject(dc, old);
    ReleaseDC(c.window, dc);
    tabStop = std::max(1L, 4 * x.cx);
    c.view.lineHeight = std::max(1, static_cast<int>(metrics.tmHeight) + c.view.paddingAbove + c.view.paddingBelow);
}

std::uint32_t VisibleRows() {
    const ViewGeometry& v = Control().view;
    return std::max(1, v.clientHeight / v.lineHeight);
}

void PaintView(HDC dc) {
    EditControl& c = Control();
    HGDIOBJ oldFont = SelectObject(dc, FontInUse());
    SetBkMode(dc, TRANSPARENT);
    const char* text = reinterpret_cast<const char*>(c.store.Buffer().Lock(c.store.Heap()));
    const LineTable& lines = c.store.Lines();
    RECT row{0, 0, c.view.clientWidth, 0};
    for (std::uint32_t line = c.view.firstVisibleLine; row.top < c.view.clientHeight; ++line) {
        row.top = LineTop(line);
        row.bottom = row.top + c.view.lineHeight;
        if (line <= lines.last) {
            PaintLine(dc, text, line, row);
        } else {
            FillRect(dc, &row, c.colours.Brush(kBackgroundBrush, c.focused));
        }
        row.top = row.bottom;
    }
    c.store.Buffer().Unlock(c.store.Heap());
    SelectObject(dc, oldFont);
}

void PlaceCaret() {
    EditControl& c = Control();
    if (!c.focused) return;
    HDC dc = GetDC(c.window);
    HGDIOBJ old = SelectObject(dc, FontInUse());
    const char* text = reinterpret_cast<const char*>(c.store.Buffer().Lock(c.store.Heap()));
    std::uint32_t line = c.store.CaretLine();
    int x = c.view.marginLeft + TextWidth(dc, text + c.store.Lines().Start(line), c.store.CaretColumn());
    c.store.Buffer().Unlock(c.store.Heap());
    SelectObject(dc, old);
    ReleaseDC(c.window, dc);
    SetCaretPos(x, LineTop(line) + c.view.paddingAbove);
}

void CreateViewCaret() {
    EditControl& c = Control();
    CreateCaret(c.window, nullptr, c.view.caretWidth, c.view.lineHeight - c.view.paddingAbove - c.view.paddingBelow);
    PlaceCaret();
    ShowCaret(c.window);
}

void UpdateScrollBars() {
    EditControl& c = Control();
    c.scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    c.scroll.nMin = 0;
    c.scroll.nMax = static_cast<int>(c.store.Lines().last + VisibleRows() - 1);
    c.scroll.nPage = VisibleRows();
    c.scroll.nPos = static_cast<int>(c.view.firstVisibleLine);
    SetScrollInfo(c.window, SB_VERT, &c.scroll, TRUE);
}

void ScrollToLine(std::int64_t line) {
    EditControl& c = Control();
    line = std::clamp<std::int64_t>(line, 0, c.store.Lines().last);
    if (static_cast<std::uint32_t>(line) == c.view.firstVisibleLine) return;
    c.view.firstVisibleLine = static_cast<std::uint32_t>(line);
    UpdateScrollBars();
    InvalidateRect(c.window, nullptr, FALSE);
    PlaceCaret();
}

void ScrollByCode(int code) {
    EditControl& c = Control();
    std::int64_t first = c.view.firstVisibleLine;
    std::int64_t page = VisibleRows();
    switch (code) {
    case SB_LINEUP: ScrollToLine(first - 1); break;
    case SB_LINEDOWN: ScrollToLine(first + 1); break;
    case SB_PAGEUP: ScrollToLine(first - page); break;
    case SB_PAGEDOWN: ScrollToLine(first + page); break;
    case SB_TOP: ScrollToLine(0); break;
    case SB_BOTTOM: ScrollToLine(c.store.Lines().last); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        c.scroll.fMask = SIF_TRACKPOS;
        GetScrollInfo(c.window, SB_VERT, &c.scroll);
        ScrollToLine(c.scroll.nTrackPos);
        break;
    default: break;
    }
}

void ScrollCaretIntoView() {
    EditControl& c = Control();
    std::uint32_t line = c.store.CaretLine();
    std::uint32_t rows = VisibleRows();
    if (line < c.view.firstVisibleLine) {
        ScrollToLine(line);
    } else if (line >= c.view.firstVisibleLine + rows) {
        ScrollToLine(std::int64_t{line} - rows + 1);
    }
}

}  // namespace velmo
