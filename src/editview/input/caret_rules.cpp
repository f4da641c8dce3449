#include "editview/input/caret_rules.h"

#include <algorithm>

#include "editview/model/word_chars.h"

namespace velmo {

std::uint32_t WordRightDistance(const std::uint8_t* from, std::uint32_t limit) {
    std::uint32_t n = 0;
    while (n < limit && IsWordByte(from[n])) ++n;
    while (n < limit && !IsWordByte(from[n])) ++n;
    return n;
}

std::uint32_t WordLeftDistance(const std::uint8_t* before, std::uint32_t limit) {
    std::uint32_t n = 0;
    while (n < limit && !IsWordByte(before[-1 - static_cast<std::int64_t>(n)])) ++n;
    while (n < limit && IsWordByte(before[-1 - static_cast<std::int64_t>(n)])) ++n;
    // The scan that looks at the range's first byte ends at the range's start.
    return n + 1 == limit ? limit : n;
}

WordSpan WordAround(const std::uint8_t* line, std::uint32_t length, std::uint32_t column) {
    column = std::min(column, length);
    WordSpan span{column, column};
    while (span.start > 0 && IsWordByte(line[span.start - 1])) --span.start;
    while (span.end < length && IsWordByte(line[span.end])) ++span.end;
    return span;
}

std::uint32_t ColumnNearestX(const CharWidthTable& widths, const std::uint8_t* row, std::uint32_t length,
                             std::int64_t goalX) {
    std::int64_t x = 0;
    for (std::uint32_t b = 0; b < length; ++b) {
        std::int64_t next = widths.Advance(x, row[b], 0);
        if (next > goalX) return goalX > x + (next - x) / 2 ? b + 1 : b;
        x = next;
    }
    return length;
}

namespace {

std::uint32_t PageStart(std::uint32_t row, std::uint32_t page) { return row / page * page; }

bool Visible(const PageFrame& f) { return f.caretRow >= f.first && f.caretRow - f.first < f.touched; }

}  // namespace

PageMove PageDownMove(const PageFrame& f) {
    std::uint32_t p = std::max<std::uint32_t>(f.page, 1);
    bool pastEnd = std::uint64_t{f.caretRow} + p > f.lastRow;
    if (Visible(f)) {
        if (pastEnd) {
            std::uint32_t first = f.lastRow + 1 > p ? f.lastRow + 1 - p : 0;
            return PageMove{first, f.lastRow - first};
        }
        std::uint32_t first = PageStart(f.caretRow, p) + p;
        return PageMove{first, f.caretRow - f.first};
    }
    std::uint32_t aligned = PageStart(f.caretRow, p);
    std::uint32_t row = pastEnd ? f.lastRow : f.caretRow;
    return PageMove{aligned + p, row >= aligned ? row - aligned : 0};
}

PageMove PageUpMove(const PageFrame& f) {
    std::uint32_t p = std::max<std::uint32_t>(f.page, 1);
    if (Visible(f)) {
        std::uint32_t screen = f.caretRow >= p ? f.caretRow - f.first : 0;
        return PageMove{f.first > p ? f.first - p : 0, screen};
    }
    std::uint32_t aligned = PageStart(f.caretRow, p);
    std::uint32_t screen = f.caretRow >= p ? f.caretRow - aligned : 0;
    return PageMove{aligned > p ? aligned - p : 0, screen};
}

}  // namespace velmo
