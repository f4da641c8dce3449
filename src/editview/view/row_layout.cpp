#include "editview/view/row_layout.h"

#include <algorithm>
#include <climits>

namespace velmo {

namespace {

bool IsTabStop(std::uint8_t c, const CharWidthTable& widths) { return c == '\t' && !widths.ControlCharsShown(); }

// A line lying wholly left of a far scrolled view can start further left than
// 32 bits reach; nothing of it is drawn then, so the clamp changes nothing seen.
std::int32_t ClampX(std::int64_t x) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX));
}

// Sets first drawn, prefix width, x start and tab origin for the frame's
// offset from a first drawn character already known to be right.
void PlaceStart(RowLayout* layout, std::uint32_t firstDrawn, std::uint64_t prefixWidth, const LayoutFrame& frame) {
    std::int64_t tab = frame.widths->TabWidth();
    std::int64_t offset = static_cast<std::int64_t>(frame.scrollOffset);
    layout->firstDrawn = firstDrawn;
    layout->prefixWidth = prefixWidth;
    layout->xStart = ClampX(static_cast<std::int64_t>(prefixWidth) - offset);
    layout->tabOrigin = static_cast<std::int32_t>(-(offset % tab));
}

// Count and x end: every character from the first drawn one up to and
// including the first that reaches past the limit.
void CountDrawn(RowLayout* layout, LineBytes line, const LayoutFrame& frame) {
    const CharWidthTable& widths = *frame.widths;
    std::int64_t x = layout->xStart;
    std::int32_t count = 0;
    for (std::uint32_t i = layout->firstDrawn; i < line.length; ++i) {
        std::uint8_t c = line.bytes[i];
        x = widths.Advance(x, c, layout->tabOrigin);
        ++count;
        bool pastLimit = IsTabStop(c, widths) ? x >= frame.limit : x > frame.limit && x >= 0;
        if (pastLimit) break;
    }
    layout->count = count;
    layout->xEnd = ClampX(x);
}

// Walks right from character `i` at absolute x `prefix` over the characters
// that end at or before the frame's offset.
void SkipRight(LineBytes line, const LayoutFrame& frame, std::uint32_t* i, std::uint64_t* prefix) {
    std::int64_t x = static_cast<std::int64_t>(*prefix);
    std::int64_t offset = static_cast<std::int64_t>(frame.scrollOffset);
    for (; *i < line.length; ++*i) {
        std::int64_t end = frame.widths->Advance(x, line.bytes[*i], 0);
        if (end > offset) break;
        x = end;
    }
    *prefix = static_cast<std::uint64_t>(x);
}

// Walks left from character `i` (absolute x `prefix`) while the character
// before it ends beyond the frame's offset. A tab's start depends on what
// precedes it, so it is measured from the line start.
void SkipLeft(LineBytes line, const LayoutFrame& frame, std::uint32_t* i, std::uint64_t* prefix) {
    const CharWidthTable& widths = *frame.widths;
    while (*i > 0 && *prefix > frame.scrollOffset) {
        std::uint8_t c = line.bytes[--*i];
        *prefix = IsTabStop(c, widths) ? static_cast<std::uint64_t>(widths.RunEnd(line.bytes, *i, 0, 0))
                                       : *prefix - widths.Width(c);
    }
}

}  // namespace

RowLayout ComputeRowLayout(LineBytes line, const LayoutFrame& frame) {
    RowLayout layout{0, 0, 0, 0, 0, 0};
    if (line.length == 0) return layout;
    std::uint32_t first = 0;
    std::uint64_t prefix = 0;
    // At column 0 everything is drawn, zero-width leading characters too.
    if (frame.scrollOffset != 0) SkipRight(line, frame, &first, &prefix);
    PlaceStart(&layout, first, prefix, frame);
    CountDrawn(&layout, line, frame);
    return layout;
}

void ScrollRowLayout(RowLayout* layout, LineBytes line, std::uint64_t oldOffset, const LayoutFrame& frame) {
    if (!layout->Computed() || line.length == 0) return;
    if (frame.scrollOffset == 0) {
        *layout = ComputeRowLayout(line, frame);
        return;
    }
    std::uint32_t first = layout->firstDrawn;
    std::uint64_t prefix = layout->prefixWidth;
    if (frame.scrollOffset > oldOffset) {
        SkipRight(line, frame, &first, &prefix);
    } else {
        SkipLeft(line, frame, &first, &prefix);
    }
    PlaceStart(layout, first, prefix, frame);
    CountDrawn(layout, line, frame);
}

}  // namespace velmo
