#include "editview/view/gutter.h"

#include <algorithm>
#include <cstring>

#include "common/text_utils.h"
#include "editview/control_state.h"

namespace velmo {

namespace {

constexpr int kNumberGap = 20;  // from the digits' right edge to the gutter's
constexpr int kMarkerLeft = 18;
constexpr int kMarkerSize = 16;

// The number shown on a row, or 0 on a continuation row and beyond the end.
std::uint32_t NumberOfRow(std::uint32_t row) {
    const TextStore& store = Control().store;
    if (row > store.LastRow()) return 0;
    std::uint32_t line = store.LineOfRow(row);
    if (row > 0 && store.LineOfRow(row - 1) == line) return 0;
    return line + 1;
}

void DrawNumber(HDC dc, std::uint32_t number, int y) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    char digits[16];
    FormatGrouped(digits, sizeof digits, number);
    HGDIOBJ previousFont = v.lineNumberFont != nullptr ? SelectObject(dc, v.lineNumberFont) : nullptr;
    SetTextColor(dc, c.colours.Colour(kLineNumberColour, c.focused));
    SetBkColor(dc, c.colours.Colour(kLineNumberBackgroundColour, c.focused));
    SetBkMode(dc, OPAQUE);
    UINT align = SetTextAlign(dc, TA_RIGHT);
    TextOutA(dc, static_cast<int>(v.gutterWidth) - kNumberGap, y + static_cast<int>(v.padding.above), digits,
             static_cast<int>(std::strlen(digits)));
    SetTextAlign(dc, align);
    if (previousFont != nullptr) SelectObject(dc, previousFont);
}

void DrawSeparator(HDC dc, int y) {
    const EditControl& c = Control();
    int g = static_cast<int>(c.view.gutterWidth);
    int h = static_cast<int>(c.view.lineHeight);
    HGDIOBJ previous = SelectObject(dc, c.colours.separatorPens[0]);
    MoveToEx(dc, g - 1, y, nullptr);
    LineTo(dc, g - 1, y + h);
    SelectObject(dc, c.colours.separatorPens[1]);
    MoveToEx(dc, g - 2, y, nullptr);
    LineTo(dc, g - 2, y + h);
    SelectObject(dc, previous);
}

// The marker symbol of the current style, drawn in the line-number colour.
// No marker images ship with the program, so the six styles are drawn shapes.
void DrawMarker(HDC dc, int y) {
    const EditControl& c = Control();
    const ViewState& v = c.view;
    int size = static_cast<int>(std::min<std::uint32_t>(v.fontHeight, kMarkerSize));
    int top = y + static_cast<int>(v.padding.above) +
              (v.fontHeight > kMarkerSize ? static_cast<int>(v.fontHeight - kMarkerSize) / 2 : 0);
    int left = static_cast<int>(v.gutterWidth) - kMarkerLeft;
    RECT box{left + 2, top + 2, left + size - 2, top + size - 2};
    HBRUSH brush = CreateSolidBrush(c.colours.Colour(kLineNumberColour, c.focused));
    if (brush == nullptr) return;
    SaveDC(dc);
    SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    int midX = (box.left + box.right) / 2, midY = (box.top + box.bottom) / 2;
    switch (c.options.markerStyle) {
    case 0: Ellipse(dc, box.left, box.top, box.right + 1, box.bottom + 1); break;
    case 1: Rectangle(dc, box.left, box.top, box.right + 1, box.bottom + 1); break;
    case 2: {
        POINT diamond[] = {{midX, box.top}, {box.right, midY}, {midX, box.bottom}, {box.left, midY}};
        Polygon(dc, diamond, 4);
        break;
    }
    case 3: {
        POINT arrow[] = {{box.left, box.top}, {box.right, midY}, {box.left, box.bottom}};
        Polygon(dc, arrow, 3);
        break;
    }
    case 4: Rectangle(dc, box.left, midY - 2, box.right + 1, midY + 2); break;
    default: RoundRect(dc, box.left, box.top, box.right + 1, box.bottom + 1, 4, 4); break;
    }
    RestoreDC(dc, -1);
    DeleteObject(brush);
}

// Marker keys are few; a linear look-up is enough.
bool IsMarked(std::uint32_t key) {
    EditControl& c = Control();
    if (c.markerCount == 0) return false;
    auto* keys = reinterpret_cast<const std::uint32_t*>(c.store.Heap().Lock(c.markers));
    bool marked = std::find(keys, keys + c.markerCount, key) != keys + c.markerCount;
    c.store.Heap().Unlock(c.markers);
    return marked;
}

}  // namespace

void DrawGutterRow(HDC dc, std::uint32_t row, int y) {
    const EditControl& c = Control();
    RECT strip{0, y, static_cast<int>(c.view.gutterWidth), y + static_cast<int>(c.view.lineHeight)};
    FillRect(dc, &strip, c.colours.Brush(kGutterBrush, c.focused));
    std::uint32_t number = NumberOfRow(row);
    if (number != 0) DrawNumber(dc, number, y);
    DrawSeparator(dc, y);
    // The key is the line with wrap off and the row with wrap on: both are `row`.
    if (row <= c.store.LastRow() && IsMarked(row)) DrawMarker(dc, y);
}

}  // namespace velmo
