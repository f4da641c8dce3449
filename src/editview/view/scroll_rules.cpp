#include "editview/view/scroll_rules.h"

#include <algorithm>

namespace velmo {

namespace {

// SB_ codes, as the scroll bars send them.
enum : int { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };

std::uint32_t LastRow(const VerticalFrame& f) { return f.rows == 0 ? 0 : f.rows - 1; }

// The largest first row the scroll bar takes: the last full page.
std::uint32_t LastFirstRow(const VerticalFrame& f) { return f.rows > f.full ? f.rows - f.full : 0; }

}  // namespace

std::uint32_t FirstRowAfterCode(const VerticalFrame& f, int code, std::uint32_t track) {
    std::uint64_t first = f.first, full = std::max(f.full, 1u);
    bool roomBelow = first + full <= LastRow(f);
    switch (code) {
    case kLineUp: return f.first > 0 ? f.first - 1 : f.first;
    case kLineDown: return roomBelow ? f.first + 1 : f.first;
    case kPageUp: return static_cast<std::uint32_t>(first > full ? first - full : 0);
    case kPageDown:
        return roomBelow ? static_cast<std::uint32_t>(std::min<std::uint64_t>(first + full, LastFirstRow(f))) : f.first;
    case kThumbTrack: return std::min(track, LastFirstRow(f));
    case kTop: return 0;
    case kBottom: return LastFirstRow(f);
    default: return f.first;
    }
}

std::int32_t WheelRows(std::int32_t delta, std::uint32_t step) {
    // Whole steps either way; the rest is dropped, not carried.
    return step == 0 ? 0 : delta / static_cast<std::int32_t>(step);
}

std::uint32_t FirstRowAfterLines(const VerticalFrame& f, std::int64_t rows) {
    std::int64_t first = std::int64_t{f.first} + rows;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(first, 0, LastFirstRow(f)));
}

std::uint32_t FirstRowShowing(const VerticalFrame& f, std::uint32_t row, bool cutAtBottom) {
    std::uint64_t first = f.first, touched = std::max(f.touched, 1u), full = std::max(f.full, 1u);
    std::uint32_t target;
    if (row >= first && row < first + touched) {
        target = cutAtBottom ? f.first + 1 : f.first;
    } else if (row == first + touched) {
        target = f.first + (full < touched ? 2 : 1);
    } else if (std::uint64_t{row} + 1 == first) {
        target = row;
    } else {
        target = static_cast<std::uint32_t>(row / full * full);
    }
    if (target > f.first) target = std::max(f.first, std::min(target, LastFirstRow(f)));
    return target;
}

std::uint32_t FirstRowForFound(const VerticalFrame& f, std::uint32_t row, bool centre) {
    std::uint32_t full = std::max(f.full, 1u);
    std::uint32_t target = centre ? (row > f.touched / 2 ? row - f.touched / 2 : 0) : row / full * full;
    return std::min(target, LastFirstRow(f));
}

std::uint32_t ClampFirstRow(const VerticalFrame& f) {
    if (f.first == 0 || std::uint64_t{f.first} + f.full <= f.rows) return f.first;
    return LastFirstRow(f);
}

std::uint32_t ClampFirstColumn(std::uint32_t first, std::uint32_t visible, std::uint32_t total) {
    if (first == 0 || std::uint64_t{first} + visible <= total) return first;
    return total > visible ? total - visible : 0;
}

std::uint32_t FirstColumnShowing(std::uint32_t column, std::uint32_t visible) {
    std::uint32_t page = std::max(visible, 1u);
    return column / page * page;
}

}  // namespace velmo
