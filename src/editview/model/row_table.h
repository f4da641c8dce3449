#pragma once
// The line table's layout while word wrap is on: one 8-byte entry per visual
// row (offset of the row's first byte, index of its logical line), then a
// closing entry (document length, logical line count). Row starts strictly
// increase and line indexes never decrease, so every lookup is a binary
// search with the same result as a scan from the top.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

constexpr std::uint32_t kNoRowStart = 0xFFFFFFFFu;  // a logical line beyond the last

struct RowEntry {
    std::uint32_t start;
    std::uint32_t line;
};
static_assert(sizeof(RowEntry) == 8, "row entries are 8 bytes");

struct ByteSpan {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
};

struct RowTable {
    BlockHandle handle = 0;
    RowEntry* entries = nullptr;  // fixed block: the pointer stays valid until the block is reallocated
    std::uint32_t last = 0;       // index of the last row
    std::uint32_t count = 1;      // rows, last + 1; also the index of the closing entry
    std::uint32_t logicalCount = 1;
    std::uint32_t blockSize = 0;
    std::uint32_t free = 0;  // bytes behind the closing entry

    std::uint32_t Start(std::uint32_t row) const { return entries[row].start; }
    std::uint32_t LineOfRow(std::uint32_t row) const { return entries[row].line; }
    std::uint32_t Length() const { return entries[count].start; }

    // The last row whose start is at or before `offset`; offsets past the end
    // give the last row.
    std::uint32_t RowFromOffset(std::uint32_t offset) const;
    std::uint32_t LineFromOffset(std::uint32_t offset) const { return LineOfRow(RowFromOffset(offset)); }
    // The first row of logical line n; `count` when n is beyond the last line.
    std::uint32_t FirstRowOfLine(std::uint32_t line) const;
    // Offset of logical line n's first byte; kNoRowStart beyond the last line.
    std::uint32_t LineStart(std::uint32_t line) const;
    // Bytes of logical line n including its break; 0 beyond the last line.
    std::uint32_t LineSize(std::uint32_t line) const;
    // Bytes of row r as shown: a row that ends its logical line loses its
    // CR LF unless it is the last row or control characters are shown.
    std::uint32_t RowTextLength(std::uint32_t row, bool showControlChars) const;

    // One empty row in the current block; cannot fail.
    void MakeEmpty();
    // Makes room for `bytes` more bytes of entries, growing the block by
    // bytes + 64 KiB when needed. False (table unchanged) when it cannot grow.
    bool Reserve(BlockHeap& heap, std::uint64_t bytes);
};

// A new zero-filled table block of `size` bytes holding one empty row.
bool AllocateEmptyRowTable(BlockHeap& heap, std::uint32_t size, RowTable* table);

}  // namespace velmo
