#include "editview/model/line_table.h"

#include "editview/model/line_scan.h"
#include "editview/model/table_block.h"
#include "editview/model/text_buffer.h"

namespace velmo {

std::uint32_t LineTable::LineFromOffset(std::uint32_t offset) const {
    std::uint32_t low = 0, high = last;  // answer lies in [low, high]
    while (low < high) {
        std::uint32_t mid = low + (high - low + 1) / 2;
        if (entries[mid] <= offset) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
}

std::uint32_t LineTable::LineSize(std::uint32_t line) const {
    if (line > last) return 0;
    return entries[line + 1] - entries[line];
}

std::uint32_t LineTable::LineTextLength(std::uint32_t line, bool showControlChars) const {
    std::uint32_t size = LineSize(line);
    if (line >= last || showControlChars) return size;
    return size - 2;
}

void LineTable::MakeEmpty() {
    entries[0] = 0;
    entries[1] = 0;
    last = 0;
    count = logicalCount = 1;
    free = blockSize - 8;
}

bool LineTable::Reserve(BlockHeap& heap, std::uint32_t bytes) {
    if (bytes <= free) return true;
    std::uint8_t* base = GrowTableBlock(heap, {&handle, &blockSize, &free}, bytes);
    if (base == nullptr) return false;
    entries = reinterpret_cast<std::uint32_t*>(base);
    return true;
}

bool AllocateEmptyLineTable(BlockHeap& heap, std::uint32_t size, LineTable* table) {
    BlockHandle block = heap.Allocate(size, false);
    if (block == 0) return false;
    LineTable fresh;
    fresh.handle = block;
    fresh.entries = reinterpret_cast<std::uint32_t*>(heap.Lock(block));
    fresh.blockSize = size;
    fresh.MakeEmpty();
    *table = fresh;
    return true;
}

namespace {

// The sentinel and the counts once the entries of `breaks` line starts are in.
void SetBreaks(LineTable* table, std::uint32_t breaks, std::uint32_t length) {
    table->entries[breaks + 1] = length;
    table->last = breaks;
    table->count = table->logicalCount = breaks + 1;
    table->free = static_cast<std::uint32_t>(table->blockSize - 4 * (std::uint64_t{breaks} + 2));
}

}  // namespace

bool RefillLineTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, LineTable* table) {
    // The lines seldom outgrow the room the block has; they are listed
    // straight into it, and only listed again when it had to grow.
    std::uint32_t room = table->blockSize / 4 - 2;  // besides entry 0 and the sentinel
    std::uint32_t breaks = ListLineStarts(text, length, table->entries + 1, room);
    if (breaks > room) {
        std::uint64_t missing = 4 * (std::uint64_t{breaks} + 2) - table->blockSize;
        table->free = 0;  // the whole block is taken
        if (missing > 0xFFFFFFFFu || !table->Reserve(heap, static_cast<std::uint32_t>(missing))) return false;
        ListLineStarts(text, length, table->entries + 1);
    }
    table->entries[0] = 0;
    SetBreaks(table, breaks, length);
    return true;
}

bool BuildLineTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, LineTable* table) {
    // Every line but the last takes at least 2 bytes, so 2 * length + 8 bytes
    // always suffice and spare a counting pass; count only when that fails.
    std::uint64_t size = 2 * std::uint64_t{length} + 8;
    BlockHandle block = heap.Allocate(size, false);
    if (block == 0) {
        size = 4 * std::uint64_t{CountLineBreaks(text, length)} + 8;
        block = heap.Allocate(size, false);
        if (block == 0) return false;
    }
    LineTable fresh;
    fresh.handle = block;
    fresh.entries = reinterpret_cast<std::uint32_t*>(heap.Lock(block));
    fresh.blockSize = static_cast<std::uint32_t>(size);
    fresh.entries[0] = 0;
    SetBreaks(&fresh, ListLineStarts(text, length, fresh.entries + 1), length);
    // The table is complete without slack; the slack only spares later growth.
    (void)fresh.Reserve(heap, kGrowthStep);
    *table = fresh;
    return true;
}

}  // namespace velmo
