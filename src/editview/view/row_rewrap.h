#pragma once
// Keeping the row table current across one edit without rebuilding it: only
// the logical lines the edit touches are broken again, and the rows behind
// them move by the edit's byte and line deltas. The work is split in two so
// that an edit is refused before anything changes when the table cannot hold
// the rows it will need:
//   PrepareRewrap (before the edit, on the old text) counts the rows the
//   touched lines will break into and grows the table, or fails;
//   FinishRewrap (after the edit, on the new text) writes them.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/model/row_table.h"
#include "editview/model/text_change.h"
#include "editview/view/row_breaker.h"

namespace velmo {

struct RewrapPlan {
    std::uint32_t firstRow = 0;      // first old row replaced
    std::uint32_t endRow = 0;        // old row behind the last one replaced
    std::uint32_t newRows = 0;       // rows the touched lines break into after the edit
    std::uint32_t firstLine = 0;     // first touched logical line
    std::uint32_t oldLines = 0;      // touched logical lines before the edit
    std::uint32_t newLines = 0;      // and after it
    std::uint32_t regionStart = 0;   // start of the first touched line; the edit does not move it
    std::uint32_t newRegionEnd = 0;  // end of the touched lines after the edit
    bool regionEndsText = false;     // the touched lines run to the end of the text
};

// On the old text: plans the rows the edit needs and makes room for them.
// False (table and plan unchanged) when the table cannot grow; the edit must
// then be refused (EN_ERRSPACE). An edit reaching past the text is refused too.
bool PrepareRewrap(BlockHeap& heap, RowTable* table, const std::uint8_t* oldText, std::uint32_t oldLength,
                   const TextChange& edit, const WrapRules& rules, RewrapPlan* plan);

// On the new text, with the same rules: replaces the planned rows. Cannot fail.
void FinishRewrap(RowTable* table, const std::uint8_t* newText, const RewrapPlan& plan, const WrapRules& rules);

}  // namespace velmo
