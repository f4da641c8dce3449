#pragma once
// Offsets at which lines begin. Entry i is the start of line i for i = 0 ..
// last; entry last + 1 (the sentinel) is the document length. Lookups are
// binary searches: entries of lines 0 .. last strictly increase, because every
// line but the last holds at least its 2-byte break.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

struct LineTable {
    BlockHandle handle = 0;
    std::uint32_t* entries = nullptr;  // fixed block: the pointer stays valid
    std::uint32_t last = 0;            // index of the last line
    std::uint32_t count = 1;           // last + 1
    std::uint32_t logicalCount = 1;    // equals count while word wrap is off
    std::uint32_t blockSize = 0;
    std::uint32_t free = 0;            // bytes behind the sentinel

    std::uint32_t Start(std::uint32_t line) const { return entries[line]; }
    std::uint32_t Length() const { return entries[last + 1]; }
    // The largest line whose start is at or before `offset`; offsets past the
    // end give the last line.
    std::uint32_t LineFromOffset(std::uint32_t offset) const;
    // Bytes of line n including its break; 0 beyond the last line.
    std::uint32_t LineSize(std::uint32_t line) const;
    // Bytes of line n as shown: without its break unless control characters
    // are shown or it is the last line; 0 beyond the last line.
    std::uint32_t LineTextLength(std::uint32_t line, bool showControlChars) const;

    // Turns the table into one empty line in its current block; cannot fail.
    void MakeEmpty();
    // Makes room for `bytes` more bytes of entries, growing the block by
    // bytes + 64 KiB when needed. False (table unchanged) when it cannot grow.
    bool Reserve(BlockHeap& heap, std::uint32_t bytes);
};

// A new table block of `size` bytes, zero-filled, holding one empty line.
bool AllocateEmptyLineTable(BlockHeap& heap, std::uint32_t size, LineTable* table);

// Fills `table` for text[0, length) in its own block, which grows when the
// lines need more room. False when it cannot grow; the entries are then
// lost, and the table must be filled again for a text whose lines fit the
// block, such as the one it held before.
bool RefillLineTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, LineTable* table);

// Builds a table for text[0, length) in a new block, with at least 64 KiB free
// behind the sentinel. On failure `table` is untouched and the result is false.
bool BuildLineTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, LineTable* table);

}  // namespace velmo
