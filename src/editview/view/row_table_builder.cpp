#include "editview/view/row_table_builder.h"

#include <algorithm>

#include "editview/model/line_scan.h"
#include "editview/model/text_buffer.h"

namespace velmo {

namespace {

constexpr std::uint64_t kEntryBytes = sizeof(RowEntry);

// Rows a text of `lines` logical lines can need at most: one row ends each
// line, and every other row was cut by a wrap and holds at least the
// characters that fill the wrap width less the widest two steps.
std::uint64_t RowBound(std::uint32_t length, std::uint32_t lines, const WrapRules& rules) {
    std::uint64_t step = std::max(rules.widths->LargestAdvance(), 1u);
    std::uint64_t perWrappedRow = std::max<std::uint64_t>(rules.wrapWidth / step, 3) - 2;
    std::uint64_t bound = std::uint64_t{lines} + length / perWrappedRow;
    return std::min<std::uint64_t>(bound, std::uint64_t{length} + 1);
}

// Fills entries[0, capacity) with the rows; false when they do not all fit.
bool FillRows(const std::uint8_t* text, std::uint32_t length, const WrapRules& rules, RowEntry* entries,
              std::uint64_t capacity, std::uint64_t* rows, std::uint32_t* lines) {
    std::uint64_t n = 0;
    *lines = BreakRows(ByteText{text}, 0, length, true, 0, rules, [&](std::uint32_t start, std::uint32_t line) {
        if (n < capacity) entries[n] = RowEntry{start, line};
        ++n;
    });
    *rows = n;
    return n <= capacity;
}

// Allocates a block for `rows` rows and the closing entry and fills it.
bool TryBuild(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, const WrapRules& rules,
              std::uint64_t rows, RowTable* table) {
    std::uint64_t size = (rows + 1) * kEntryBytes;
    BlockHandle block = heap.Allocate(size, false);
    if (block == 0) return false;
    auto* entries = reinterpret_cast<RowEntry*>(heap.Lock(block));
    std::uint64_t built = 0;
    std::uint32_t lines = 0;
    if (!FillRows(text, length, rules, entries, rows, &built, &lines)) {
        heap.Free(block);
        return false;
    }
    entries[built] = RowEntry{length, lines};
    RowTable fresh;
    fresh.handle = block;
    fresh.entries = entries;
    fresh.count = static_cast<std::uint32_t>(built);
    fresh.last = fresh.count - 1;
    fresh.logicalCount = lines;
    fresh.blockSize = static_cast<std::uint32_t>(size);
    fresh.free = static_cast<std::uint32_t>(size - (built + 1) * kEntryBytes);
    *table = fresh;
    return true;
}

// Gives a built table exactly 64 KiB of slack: the bound may have left far
// more, and without slack typing would reallocate at once.
void SettleSlack(BlockHeap& heap, RowTable* table) {
    if (table->free < kGrowthStep) {
        (void)table->Reserve(heap, kGrowthStep);
        return;
    }
    std::uint64_t size = std::uint64_t{table->blockSize} - table->free + kGrowthStep;
    if (size == table->blockSize) return;
    BlockHandle shrunk = heap.Reallocate(table->handle, size);
    if (shrunk == 0) return;
    table->handle = shrunk;
    table->entries = reinterpret_cast<RowEntry*>(heap.Lock(shrunk));
    table->blockSize = static_cast<std::uint32_t>(size);
    table->free = kGrowthStep;
}

}  // namespace

std::uint64_t CountRows(const std::uint8_t* text, std::uint32_t length, const WrapRules& rules) {
    std::uint64_t rows = 0;
    BreakRows(ByteText{text}, 0, length, true, 0, rules, [&rows](std::uint32_t, std::uint32_t) { ++rows; });
    return rows;
}

bool BuildRowTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, const WrapRules& rules,
                   RowTable* table) {
    RowTable fresh;
    std::uint32_t lines = CountLineBreaks(text, length) + 1;
    if (!TryBuild(heap, text, length, rules, RowBound(length, lines, rules), &fresh) &&
        !TryBuild(heap, text, length, rules, CountRows(text, length, rules), &fresh)) {
        return false;
    }
    SettleSlack(heap, &fresh);
    *table = fresh;
    return true;
}

bool RebuildRowTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, const WrapRules& rules,
                     RowTable* table) {
    RowTable fresh;
    if (!BuildRowTable(heap, text, length, rules, &fresh)) return false;
    heap.Free(table->handle);
    *table = fresh;
    return true;
}

}  // namespace velmo
