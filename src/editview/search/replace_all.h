#pragma once
// Replacing every match of a pattern in the whole text, left to right with
// no two matches overlapping, as one undo step that holds the whole former
// text. The text is rewritten in its own block: a shorter or equal
// replacement in one pass towards the end, a longer one, after a pass that
// notes the matches, in one pass from the end once the block has grown.
// Either the whole text is replaced, with its layout, or nothing changes.
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
