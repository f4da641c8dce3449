#include "editview/model/row_table.h"

#include <algorithm>

#include "editview/model/table_block.h"
#include "editview/model/text_buffer.h"

namespace velmo {

std::uint32_t RowTable::RowFromOffset(std::uint32_t offset) const {
    const RowEntry* after = std::partition_point(entries + 1, entries + count,
                                                 [offset](const RowEntry& e) { return e.start <= offset; });
    return static_cast<std::uint32_t>(after - entries) - 1;
}

std::uint32_t RowTable::FirstRowOfLine(std::uint32_t line) const {
    const RowEntry* first =
        std::partition_point(entries, entries + count, [line](const RowEntry& e) { return e.line < line; });
    return static_cast<std::uint32_t>(first - entries);
}

std::uint32_t RowTable::LineStart(std::uint32_t line) const {
    return line < logicalCount ? Start(FirstRowOfLine(line)) : kNoRowStart;
}

std::uint32_t RowTable::LineSize(std::uint32_t line) const {
    if (line >= logicalCount) return 0;
    return Start(FirstRowOfLine(line + 1)) - Start(FirstRowOfLine(line));
}

std::uint32_t RowTable::RowTextLength(std::uint32_t row, bool showControlChars) const {
    if (row > last) return 0;
    std::uint32_t size = Start(row + 1) - Start(row);
    bool endsLine = LineOfRow(row + 1) != LineOfRow(row);
    if (row == last || showControlChars || !endsLine || size < 2) return size;
    return size - 2;
}

void RowTable::MakeEmpty() {
    entries[0] = RowEntry{0, 0};
    entries[1] = RowEntry{0, 1};
    last = 0;
    count = logicalCount = 1;
    free = blockSize - 2 * sizeof(RowEntry);
}

bool RowTable::Reserve(BlockHeap& heap, std::uint64_t bytes) {
    if (bytes <= free) return true;
    std::uint8_t* base = GrowTableBlock(heap, {&handle, &blockSize, &free}, bytes);
    if (base == nullptr) return false;
    entries = reinterpret_cast<RowEntry*>(base);
    return true;
}

bool AllocateEmptyRowTable(BlockHeap& heap, std::uint32_t size, RowTable* table) {
    if (size < 2 * sizeof(RowEntry)) return false;
    BlockHandle block = heap.Allocate(size, false);
    if (block == 0) return false;
    RowTable fresh;
    fresh.handle = block;
    fresh.entries = reinterpret_cast<RowEntry*>(heap.Lock(block));
    fresh.blockSize = size;
    fresh.MakeEmpty();
    *table = fresh;
    return true;
}

}  // namespace velmo
