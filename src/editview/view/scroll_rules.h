#pragma once
// Where the view's first visible row goes, as plain arithmetic: the
// scroll-bar codes, the wheel, line scrolls, bringing the caret or a found
// text into view, and keeping the view filled after a resize. Rows are lines
// with word wrap off and visual rows with it on. Every count that divides is
// at least 1, so a minimised view cannot divide by zero.
#include <cstdint>

namespace velmo {

struct VerticalFrame {
    std::uint32_t first = 0;    // first visible row
    std::uint32_t rows = 1;     // rows of the document
    std::uint32_t full = 1;     // rows wholly visible, at least 1
    std::uint32_t touched = 1;  // rows at least partly visible, at least 1
};

// The first row after scroll-bar code `code` (SB_LINEUP .. SB_BOTTOM);
// `track` is the thumb's track position. Codes that do nothing give `first`.
std::uint32_t FirstRowAfterCode(const VerticalFrame& f, int code, std::uint32_t track);

// Rows a wheel delta scrolls, up positive: whole steps of `step` (120 / wheel
// lines; 0 ignores the wheel).
std::int32_t WheelRows(std::int32_t delta, std::uint32_t step);

// The first row after scrolling by `rows` (EM_LINESCROLL), clamped to the document.
std::uint32_t FirstRowAfterLines(const VerticalFrame& f, std::int64_t rows);

// The first row that shows row `row`: one step when it lies just outside the
// view, else the page-aligned row holding it. `cutAtBottom` tells whether the
// row, once on screen at its current place, is cut by the bottom edge.
std::uint32_t FirstRowShowing(const VerticalFrame& f, std::uint32_t row, bool cutAtBottom);

// The first row that shows a found text on row `row`: page-aligned, or with
// `centre` the row in the middle of the view.
std::uint32_t FirstRowForFound(const VerticalFrame& f, std::uint32_t row, bool centre);

// After the view grew: pulls the view back so that no empty rows show below
// the document's end while rows above are hidden.
std::uint32_t ClampFirstRow(const VerticalFrame& f);

// The horizontal counterpart for a view of `visible` columns out of `total`.
std::uint32_t ClampFirstColumn(std::uint32_t first, std::uint32_t visible, std::uint32_t total);

// The page-aligned first column that shows column `column`.
std::uint32_t FirstColumnShowing(std::uint32_t column, std::uint32_t visible);

}  // namespace velmo
