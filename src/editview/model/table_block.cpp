#include "editview/model/table_block.h"

#include "editview/model/text_buffer.h"

namespace velmo {

std::uint8_t* GrowTableBlock(BlockHeap& heap, const TableBlock& table, std::uint64_t bytes) {
    std::uint64_t size = std::uint64_t{*table.blockSize} + bytes + GrowthRoom(*table.blockSize);
    BlockHandle grown = heap.Reallocate(*table.handle, size);
    if (grown == 0) return nullptr;
    *table.handle = grown;
    *table.free += static_cast<std::uint32_t>(size - *table.blockSize);
    *table.blockSize = static_cast<std::uint32_t>(size);
    return heap.Lock(grown);
}

}  // namespace velmo
