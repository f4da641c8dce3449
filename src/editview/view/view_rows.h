#pragma once
// The rows the view shows, read from the document: their bytes as drawn and
// their horizontal layout. Rows are lines with word wrap off and visual rows
// with it on; the unwrapped view takes its layouts from the row layout cache.
#include <cstdint>

#include "editview/view/row_layout.h"

namespace velmo {

// The document's bytes for the length of one operation; a lock already
// taken by an edit in progress stays with that edit.
class TextLock {
public:
    TextLock();
    ~TextLock();
    TextLock(const TextLock&) = delete;
    TextLock& operator=(const TextLock&) = delete;
    const std::uint8_t* Bytes() const { return bytes_; }

private:
    bool wasLocked_;
    const std::uint8_t* bytes_;
};

// Row `row` as drawn: without a hidden line break.
LineBytes RowBytes(const std::uint8_t* text, std::uint32_t row);
// The horizontal frame for laying out rows up to x = `rightEdge` (client pixels).
LayoutFrame FrameUpTo(std::int64_t rightEdge);
// The layout of view row `row` (document row first visible row + index):
// from the cache with wrap off, the whole row from x = 0 with wrap on.
RowLayout LayoutOfRow(const std::uint8_t* text, std::uint32_t row);
// x (from text left) at which byte `column` of row `row` starts.
std::int64_t XInRow(const std::uint8_t* text, std::uint32_t row, std::uint32_t column);
// Lays out the visible rows of the unwrapped view that are not laid out yet.
void LayOutVisibleRows();

}  // namespace velmo
