#pragma once
// The growth rule shared by the line table and the row table: a table that
// needs `bytes` more than it has free grows by bytes + GrowthRoom.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

struct TableBlock {
    BlockHandle* handle;
    std::uint32_t* blockSize;
    std::uint32_t* free;
};

// The block's new base after growing, or null when it cannot grow (nothing
// changed then). Only called when `bytes` exceed the free space.
std::uint8_t* GrowTableBlock(BlockHeap& heap, const TableBlock& table, std::uint64_t bytes);

}  // namespace velmo
