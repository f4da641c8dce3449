#pragma once
// What the view knows besides the document: the font and its measurements,
// the horizontal and vertical geometry, the scroll position and the caret's
// pixel position. Plain values: a new control starts from ViewState{}.
#include <windows.h>

#include <cstdint>

#include "editview/view/char_width_table.h"
#include "editview/view/view_geometry.h"
#include "editview/view/widest_line.h"

namespace velmo {

struct ViewState {
    HFONT font = nullptr;            // the caller's font (WM_SETFONT); null: the system font
    HFONT lineNumberFont = nullptr;  // ours
    CharWidthTable widths;
    std::uint32_t fontHeight = 16, externalLeading = 0, lineHeight = 16;
    Padding padding;
    Margins margins;
    bool lineNumbers = false;
    std::uint32_t gutterCharWidth = 0;
    std::uint32_t gutterWidth = kGutterExtra;  // kept current while the gutter is hidden too
    std::uint32_t clientWidth = 0, clientHeight = 0;
    TextArea area;
    RowCounts rows;
    std::uint32_t firstVisibleRow = 0;     // line with wrap off, visual row with wrap on
    std::uint32_t firstVisibleColumn = 0;  // always 0 with wrap on
    WidestLineRecord widest;  // with wrap off
    ColumnRange columns;
    std::int64_t caretX = 0, caretY = 0;  // client pixels
    std::uint32_t wheelStep = 40;
    std::uint32_t caretWidth = 2;

    std::uint32_t ShownGutterWidth() const { return lineNumbers ? gutterWidth : 0; }
    std::uint64_t ScrollOffset() const { return std::uint64_t{firstVisibleColumn} * widths.ColumnWidth(); }
};

}  // namespace velmo
