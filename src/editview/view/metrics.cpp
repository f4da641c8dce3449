#include "editview/view/metrics.h"

#include <algorithm>
#include <cstring>

#include "editview/control_state.h"

namespace velmo {

namespace {

HFONT FontInUse() {
    HFONT font = Control().view.font;
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Advance widths of all 256 characters; the control characters as drawn.
void MeasureWidths(HDC dc, std::uint32_t (&widths)[256]) {
    INT measured[256];
    if (!GetCharWidth32A(dc, 0, 255, measured)) std::fill(measured, measured + 256, 8);
    for (int c = 0; c < 256; ++c) widths[c] = static_cast<std::uint32_t>(std::max(measured[c], 0));
    for (int c = 0; c < 256; ++c) {
        if (c >= 32 && c != 127) continue;
        char ch = static_cast<char>(c);
        widths[c] = LOWORD(GetTabbedTextExtentA(dc, &ch, 1, 0, nullptr));
    }
}

}  // namespace

void MeasureFont() {
    EditControl& c = Control();
    ViewState& v = c.view;
    HDC dc = GetDC(c.window);
    HGDIOBJ previous = SelectObject(dc, FontInUse());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    std::uint32_t widths[256];
    MeasureWidths(dc, widths);
    SelectObject(dc, previous);
    ReleaseDC(c.window, dc);
    v.fontHeight = static_cast<std::uint32_t>(std::max<LONG>(metrics.tmHeight, 1));
    v.externalLeading = static_cast<std::uint32_t>(std::max<LONG>(metrics.tmExternalLeading, 0));
    v.lineHeight = LineHeight(v.fontHeight, v.externalLeading, v.padding);
    v.widths.SetFontWidths(widths);
}

bool MakeLineNumberFont() {
    EditControl& c = Control();
    ViewState& v = c.view;
    LOGFONTA logFont{};
    logFont.lfHeight = static_cast<LONG>(v.fontHeight);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_STROKE_PRECIS;
    logFont.lfClipPrecision = CLIP_STROKE_PRECIS;
    logFont.lfQuality = DRAFT_QUALITY;
    logFont.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strcpy(logFont.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&logFont);
    DeleteLineNumberFont();
    v.lineNumberFont = font;
    if (font == nullptr) return false;
    HDC dc = GetDC(c.window);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(c.window, dc);
    v.gutterCharWidth = static_cast<std::uint32_t>(std::max<LONG>(metrics.tmAveCharWidth, 0));
    return true;
}

void DeleteLineNumberFont() {
    HFONT& font = Control().view.lineNumberFont;
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
}

bool ComputeGutter(bool onlyWiden) {
    ViewState& v = Control().view;
    std::uint32_t width = GutterWidth(Control().store.LineCount(), v.gutterCharWidth);
    if (width == v.gutterWidth || (onlyWiden && width < v.gutterWidth)) return false;
    v.gutterWidth = width;
    return true;
}

void ComputeGeometry() {
    ViewState& v = Control().view;
    v.area = ComputeTextArea(v.clientWidth, v.ShownGutterWidth(), v.margins, v.widths.ColumnWidth());
    v.rows = ComputeRowCounts(v.clientHeight, v.lineHeight);
    // One record per row that can show, rather than a fixed number.
    RowLayoutCache& layouts = Control().layouts;
    if (layouts.Capacity() != v.rows.touched) (void)layouts.Resize(v.rows.touched);
    layouts.InvalidateAll();
}

void ReadSystemSettings() {
    ViewState& v = Control().view;
    UINT lines = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
    v.wheelStep = lines == 0 || lines > 120 ? 0 : 120 / lines;
    DWORD width = 2;
    if (!SystemParametersInfoA(SPI_GETCARETWIDTH, 0, &width, 0) || width == 0) width = 2;
    v.caretWidth = width;
}

}  // namespace velmo
