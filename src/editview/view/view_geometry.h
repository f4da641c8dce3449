#pragma once
// The view's pixel geometry as plain values: row height, the horizontal
// regions of a row (gutter, margins, text area), how many rows and columns
// fit, and the widest line. Requested paddings and margins are clamped so
// that no setting, from a message or the settings file, can make a height or
// a count zero.
#include <cstdint>

#include "editview/model/line_table.h"
#include "editview/view/char_width_table.h"

namespace velmo {

constexpr std::uint32_t kLargestPadding = 1000;
constexpr std::uint32_t kLargestMargin = 1000;
constexpr std::uint32_t kGutterExtra = 30;  // pixels beside the gutter's digits

// A requested pixel amount clamped to 0 .. largest (negative values give 0).
std::uint32_t ClampPixels(std::int64_t requested, std::uint32_t largest);

struct Padding {
    std::uint32_t above = 0, below = 0;
};
Padding PaddingFromRequest(std::int64_t above, std::int64_t below);

// Each margin is the requested one plus 1, so a 0 request keeps a 1-pixel strip.
struct Margins {
    std::uint32_t left = 1, right = 1;
};
Margins MarginsFromRequest(std::int64_t left, std::int64_t right);

// Font height + external leading + both paddings; at least 1.
std::uint32_t LineHeight(std::uint32_t fontHeight, std::uint32_t externalLeading, Padding padding);

// Characters of the grouped line count ("1 000" is 5) times the gutter
// character width, plus 30.
std::uint32_t GutterWidth(std::uint32_t lineCount, std::uint32_t gutterCharWidth);

struct TextArea {
    std::uint32_t textLeft = 0;        // x of column 0
    std::uint32_t textRight = 0;       // text is clipped here
    std::uint32_t width = 0;           // text right - text left, 0 when the client is too narrow
    std::int32_t lastTextX = -1;       // width - 1
    std::uint32_t visibleColumns = 1;  // whole columns in the width, at least 1
};
TextArea ComputeTextArea(std::uint32_t clientWidth, std::uint32_t shownGutterWidth, Margins margins,
                         std::uint32_t columnWidth);

struct RowCounts {
    std::uint32_t full = 1;     // rows wholly inside the client height, at least 1
    std::uint32_t touched = 1;  // rows at least partly inside it, at least 1
};
RowCounts ComputeRowCounts(std::uint32_t clientHeight, std::uint32_t lineHeight);

struct WidestLine {
    std::uint64_t width = 0;
    std::uint32_t line = 0;
};
// Pixel width of a line's shown bytes, from x = 0 with the tab grid at 0.
std::uint64_t LineWidth(const std::uint8_t* bytes, std::uint32_t length, const CharWidthTable& widths);
// Measures lines first..last (as shown: breaks included while control
// characters are shown; all lines unless told) from the last to the first; a
// lower line wins only when strictly wider.
WidestLine FindWidestLine(const LineTable& lines, const std::uint8_t* text, const CharWidthTable& widths,
                          std::uint32_t first = 0, std::uint32_t last = 0xFFFFFFFFu);

struct ColumnRange {
    std::uint32_t total = 0;  // widest width / column width, rounded up
    std::uint32_t last = 0;   // total - 1, 0 when total is 0
};
ColumnRange ColumnRangeFor(std::uint64_t widestWidth, std::uint32_t columnWidth);

}  // namespace velmo
