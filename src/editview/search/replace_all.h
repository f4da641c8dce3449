#pragma once
// Replacing every match of a pattern in the whole text, left to right with
// no two matches overlapping, as one undo step that owns the whole former
// text's block. The new text is written to a new block in one pass that
// finds the matches as it goes (after a pass that counts them when the text
// grows). Either the whole text is replaced, with its layout, or nothing
// changes.
#include <cstdint>

#include "editview/model/edit_events.h"
#include "editview/model/text_store.h"
#include "editview/search/search_pattern.h"

namespace velmo {

struct ReplaceAllOutcome {
    std::uint32_t count = 0;
    std::uint32_t error = 0;  // kSearchNoError, kSearchCancelled or kSearchNoMemory
};

// The parent is asked (AllowWithoutUndo) when the undo history cannot take
// the former text: no cancels (error kSearchCancelled); yes replaces without
// an undo step and empties both histories, whose offsets would go stale.
// The selection becomes empty at 0; nothing else is told to the parent and
// the modified flag is left to the caller.
ReplaceAllOutcome ReplaceAll(TextStore& store, EditEvents& events, const SearchPattern& pattern,
                             const std::uint8_t* with, std::uint32_t withLength);

}  // namespace velmo
