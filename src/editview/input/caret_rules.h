#pragma once
// Caret movement as plain arithmetic: word steps, the word under a point,
// the column nearest a goal x, and where Page Up and Page Down put the view
// and the caret. Rows are lines with word wrap off and visual rows with it on.
#include <cstdint>

#include "editview/view/char_width_table.h"

namespace velmo {

// Bytes from `from` to the start of the next word: word characters, then the
// delimiters after them (or only delimiters), at most `limit`.
std::uint32_t WordRightDistance(const std::uint8_t* from, std::uint32_t limit);

// Bytes back from `before` (exclusive) to the start of the word before it,
// over delimiters then word characters, at most `limit`; reaching the start
// of the range gives `limit`, whatever its first byte is, so a word after a
// single leading delimiter gives the range's start too.
std::uint32_t WordLeftDistance(const std::uint8_t* before, std::uint32_t limit);

// The word touching `column` of a line: word characters before it and at it.
struct WordSpan {
    std::uint32_t start, end;
};
WordSpan WordAround(const std::uint8_t* line, std::uint32_t length, std::uint32_t column);

// The character boundary of a row nearest to `goalX` (pixels from the row's
// start): the last one at or left of it, or the next when the goal passes
// the middle of the following character.
std::uint32_t ColumnNearestX(const CharWidthTable& widths, const std::uint8_t* row, std::uint32_t length,
                             std::int64_t goalX);

struct PageFrame {
    std::uint32_t caretRow = 0;
    std::uint32_t first = 0;     // first visible row
    std::uint32_t page = 1;      // whole rows per page, at least 1
    std::uint32_t touched = 1;   // rows at least partly shown
    std::uint32_t lastRow = 0;
};
struct PageMove {
    std::uint32_t first;      // the new first visible row, before clamping to the scroll range
    std::uint32_t screenRow;  // the caret's row counted from the new first row
};
PageMove PageDownMove(const PageFrame& f);
PageMove PageUpMove(const PageFrame& f);

}  // namespace velmo
