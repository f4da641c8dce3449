#pragma once
// The horizontal layout of one unwrapped line in a horizontally scrolled
// view: which character is drawn first, where it starts, how many characters
// reach into the text area, and the tab grid. Computed from the line start
// once, then moved along with horizontal scrolls by walking only the
// characters that enter or leave on the left.
#include <cstdint>

#include "editview/view/char_width_table.h"

namespace velmo {

struct RowLayout {
    std::int32_t xStart = -1;               // x (from text left) of the first drawn character; 0 or negative
    std::uint32_t firstDrawn = 0xFFFFFFFF;  // index in the line of the first drawn character
    std::int32_t tabOrigin = -1;            // tab grid offset from text left: 0 or -(scroll offset mod tab width)
    std::int32_t count = -1;                // characters drawn; -1: not computed
    std::uint64_t prefixWidth = ~std::uint64_t{0};  // width of the characters left of the first drawn one
    std::int32_t xEnd = -1;                 // x (from text left) after the last drawn character

    bool Computed() const { return count >= 0; }
    bool operator==(const RowLayout&) const = default;
};

// A line's shown bytes.
struct LineBytes {
    const std::uint8_t* bytes = nullptr;
    std::uint32_t length = 0;
};

// The horizontal state a layout depends on.
struct LayoutFrame {
    const CharWidthTable* widths = nullptr;
    std::uint64_t scrollOffset = 0;  // first visible column x column width
    std::int64_t limit = 0;          // layout right edge - text left
};

RowLayout ComputeRowLayout(LineBytes line, const LayoutFrame& frame);

// Moves a record computed at scroll offset `oldOffset` to the frame's offset;
// the result equals ComputeRowLayout at the new offset. Records not computed
// stay so.
void ScrollRowLayout(RowLayout* layout, LineBytes line, std::uint64_t oldOffset, const LayoutFrame& frame);

}  // namespace velmo
