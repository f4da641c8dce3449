#include "editview/view/painter.h"

#include <algorithm>
#include <cstring>

#include "editview/control_state.h"
#include "editview/view/gutter.h"
#include "editview/view/view_rows.h"

namespace velmo {

namespace {

// One row's run of drawn characters and where it stands.
struct Run {
    const std::uint8_t* chars;  // the first drawn character
    std::uint32_t count;
    std::uint32_t start;        // its document offset
    RowLayout layout;
    int y;                      // row top
};

int TextLeft() { return static_cast<int>(Control().view.area.textLeft); }
int TextRight() { return static_cast<int>(Control().view.area.textRight); }
int RowHeight() { return static_cast<int>(Control().view.lineHeight); }

void Fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    RECT r{left, top, right, bottom};
    if (left < right && top < bottom) FillRect(dc, &r, brush);
}

// A named box for a control character at x; returns its width.
int DrawBox(HDC dc, std::uint8_t ch, int x, int textY, HBRUSH under) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    int w = static_cast<int>(v.widths.Width(ch));
    int h = static_cast<int>(v.fontHeight);
    Fill(dc, x, textY, x + w, textY + h, under);
    SaveDC(dc);
    SelectObject(dc, c.colours.boxPens[c.focused]);
    SelectObject(dc, c.colours.Brush(kBoxBrush, c.focused));
    int corner = (h - 2) / 4;
    RoundRect(dc, x, textY + 1, x + w - 1, textY + h - 1, corner, corner);
    SetTextColor(dc, GetBkColor(dc));
    SetBkMode(dc, TRANSPARENT);
    const char* name = ControlCharName(ch);
    TextOutA(dc, x + 2, textY, name, static_cast<int>(std::strlen(name)));
    RestoreDC(dc, -1);
    return w;
}

// Plain characters drawn from x with tabs on the row's tab grid; returns the x after them.
int DrawPlain(HDC dc, const std::uint8_t* chars, std::uint32_t count, int x, int textY, int tabOrigin) {
    if (count == 0) return x;
    int tab = static_cast<int>(Control().view.widths.TabWidth());
    LONG size = TabbedTextOutA(dc, x, textY, reinterpret_cast<const char*>(chars), static_cast<int>(count), 1, &tab,
                               tabOrigin);
    return x + LOWORD(size);
}

// The run's text in one colour set: with control characters shown, each of
// them is a named box and tabs do not jump.
void DrawRunText(HDC dc, const Run& run, bool selected) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    SetTextColor(dc, c.colours.Colour(selected ? kSelectedTextColour : kTextColour, c.focused));
    SetBkColor(dc, c.colours.Colour(selected ? kSelectionColour : kBackgroundColour, c.focused));
    SetBkMode(dc, OPAQUE);
    int x = TextLeft() + run.layout.xStart;
    int textY = run.y + static_cast<int>(v.padding.above);
    if (!v.widths.ControlCharsShown()) {
        DrawPlain(dc, run.chars, run.count, x, textY, TextLeft() + run.layout.tabOrigin);
        return;
    }
    HBRUSH under = c.colours.Brush(selected ? kSelectionBrush : kBackgroundBrush, c.focused);
    std::uint32_t pending = 0;
    for (std::uint32_t i = 0; i < run.count; ++i) {
        if (ControlCharIndex(run.chars[i]) < 0) {
            ++pending;
            continue;
        }
        x = DrawPlain(dc, run.chars + i - pending, pending, x, textY, 0);
        pending = 0;
        x += DrawBox(dc, run.chars[i], x, textY, under);
    }
    DrawPlain(dc, run.chars + run.count - pending, pending, x, textY, 0);
}

// x (client) at which the run's character at document offset `offset` starts.
int XOfOffset(const Run& run, std::uint32_t offset) {
    const ViewState& v = Control().view;
    return TextLeft() + static_cast<int>(v.widths.RunEnd(run.chars, offset - run.start, run.layout.xStart,
                                                         run.layout.tabOrigin));
}

// The run in normal colours, then its selected part again in selected
// colours, clipped so that a glyph cut by the border shows both.
void DrawRun(HDC dc, const Run& run) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    int endX = TextLeft() + run.layout.xEnd;
    Fill(dc, TextLeft(), run.y, TextRight(), run.y + RowHeight(), c.colours.Brush(kBackgroundBrush, c.focused));
    DrawRunText(dc, run, false);
    const Selection& sel = c.store.Sel();
    std::uint32_t runEnd = run.start + run.count;
    if (sel.start == sel.end || sel.start >= runEnd || sel.end <= run.start) return;
    bool whole = sel.start <= run.start && sel.end >= runEnd;
    RECT band{sel.start <= run.start ? TextLeft() : XOfOffset(run, sel.start), run.y,
              sel.end >= runEnd ? endX : XOfOffset(run, sel.end), run.y + RowHeight()};
    // Padding strips take the selection colour only beside a wholly selected run.
    if (!whole) {
        band.top += static_cast<int>(v.padding.above);
        band.bottom -= static_cast<int>(v.padding.below);
    }
    SaveDC(dc);
    IntersectClipRect(dc, band.left, band.top, band.right, band.bottom);
    FillRect(dc, &band, c.colours.Brush(kSelectionBrush, c.focused));
    DrawRunText(dc, run, true);
    RestoreDC(dc, -1);
}

// A row with nothing to draw: an empty line inside the selection shows a
// selected block one column wide while the view is not scrolled sideways.
void FillEmptyRow(HDC dc, std::uint32_t row, int y) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    HBRUSH background = c.colours.Brush(kBackgroundBrush, c.focused);
    int left = TextLeft();
    const Selection& sel = c.store.Sel();
    if (row <= c.store.LastRow() && v.firstVisibleColumn == 0) {
        std::uint32_t start = c.store.RowStart(row);
        if (sel.start <= start && start < sel.end) {
            int block = left + static_cast<int>(v.widths.ColumnWidth());
            Fill(dc, left, y, block, y + RowHeight(), c.colours.Brush(kSelectionBrush, c.focused));
            left = block;
        }
    }
    Fill(dc, left, y, TextRight(), y + RowHeight(), background);
}

void PaintRow(HDC dc, const std::uint8_t* text, std::uint32_t row, int y) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    HBRUSH background = c.colours.Brush(kBackgroundBrush, c.focused);
    if (v.lineNumbers) DrawGutterRow(dc, row, y);
    Fill(dc, static_cast<int>(v.ShownGutterWidth()), y, TextLeft(), y + RowHeight(), background);
    Fill(dc, TextRight(), y, static_cast<int>(v.clientWidth), y + RowHeight(), background);
    SaveDC(dc);
    IntersectClipRect(dc, TextLeft(), y, std::max(TextLeft(), TextRight()), y + RowHeight());
    LineBytes bytes = RowBytes(text, row);
    RowLayout layout = bytes.length > 0 ? LayoutOfRow(text, row) : RowLayout{};
    if (layout.count > 0) {
        DrawRun(dc, Run{bytes.bytes + layout.firstDrawn, static_cast<std::uint32_t>(layout.count),
                        c.store.RowStart(row) + layout.firstDrawn, layout, y});
    } else {
        FillEmptyRow(dc, row, y);
    }
    RestoreDC(dc, -1);
}

HFONT EditingFont() {
    HFONT font = Control().view.font;
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

}  // namespace

void PaintRows(HDC dc, const RECT& update) {
    EditControl& c = Control();
    const ViewState& v = c.view;
    if (update.top >= update.bottom) return;
    TextLock text;
    SaveDC(dc);
    SelectObject(dc, EditingFont());
    std::uint32_t h = v.lineHeight;
    std::uint32_t first = static_cast<std::uint32_t>(std::max<LONG>(update.top, 0)) / h;
    std::uint32_t last = static_cast<std::uint32_t>(std::max<LONG>(update.bottom - 1, 0)) / h;
    for (std::uint32_t k = first; k <= last; ++k) {
        std::uint64_t row = std::uint64_t{v.firstVisibleRow} + k;
        if (row > 0xFFFFFFFFu) break;
        PaintRow(dc, text.Bytes(), static_cast<std::uint32_t>(row), static_cast<int>(k * h));
    }
    RestoreDC(dc, -1);
}

void PaintOffScreen(HDC screen, const RECT& update) {
    const ViewState& v = Control().view;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = memory != nullptr ? CreateCompatibleBitmap(screen, std::max<int>(v.clientWidth, 1),
                                                                 std::max<int>(v.clientHeight, 1))
                                       : nullptr;
    if (bitmap == nullptr) {
        // No memory for the off-screen copy: drawn straight on the screen.
        PaintRows(screen, update);
    } else {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        PaintRows(memory, update);
        BitBlt(screen, update.left, update.top, update.right - update.left, update.bottom - update.top, memory,
               update.left, update.top, SRCCOPY);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    if (memory != nullptr) DeleteDC(memory);
}

}  // namespace velmo
