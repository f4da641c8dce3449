#pragma once
// Building the row table of a whole text for word wrap.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/model/row_table.h"
#include "editview/view/row_breaker.h"

namespace velmo {

// Rows text[0, length) breaks into (the closing entry not counted).
std::uint64_t CountRows(const std::uint8_t* text, std::uint32_t length, const WrapRules& rules);

// Builds the rows of text[0, length) in a new block with at least 64 KiB free
// behind the closing entry. On failure `table` is untouched and the result is
// false.
bool BuildRowTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, const WrapRules& rules,
                   RowTable* table);

// Replaces `table` by a new build, freeing the old block only once the new
// one is complete; on failure the old table stays as it was.
bool RebuildRowTable(BlockHeap& heap, const std::uint8_t* text, std::uint32_t length, const WrapRules& rules,
                     RowTable* table);

}  // namespace velmo
