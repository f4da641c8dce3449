#include "editview/search/replace_all.h"

#include "editview/search/move_bytes.h"
#include "editview/search/search_request.h"

namespace velmo {

namespace {

struct Rewrite {
    const SearchPattern& pattern;
    const std::uint8_t* with;
    std::uint32_t withLength;
    std::uint32_t first;  // the first match
    std::uint32_t count = 0;
};

// The length of the text once every match is replaced, or more than 4 GiB.
std::uint64_t ReplacedLength(const std::uint8_t* text, std::uint32_t length, const Rewrite& r) {
    const std::uint32_t matchLength = r.pattern.Length();
    if (r.withLength <= matchLength) return length;  // room enough; the exact length comes with the writing
    std::uint64_t count = 0;
    r.pattern.ForEachMatch(text, length, r.first, [&](std::uint32_t) {
        ++count;
        return true;
    });
    return length + count * (r.withLength - matchLength);
}

// Writes the text with every match replaced to `out`, in one pass that finds
// the matches as it goes; returns the new length.
std::uint32_t WriteReplaced(const std::uint8_t* text, std::uint32_t length, std::uint8_t* out, Rewrite& r) {
    const std::uint32_t matchLength = r.pattern.Length();
    std::uint32_t written = 0, kept = 0;  // bytes written; where the bytes kept since the last match start
    r.pattern.ForEachMatch(text, length, r.first, [&](std::uint32_t match) {
        MoveBytes(out + written, text + kept, match - kept);
        written += match - kept;
        MoveBytes(out + written, r.with, r.withLength);
        written += r.withLength;
        kept = match + matchLength;
        ++r.count;
        return true;
    });
    MoveBytes(out + written, text + kept, length - kept);
    return written + (length - kept);
}

// The new text in a block of its own, so that the former one stays whole for
// the undo step without being copied; 0 when no block can be had.
BlockHandle NewText(TextStore& store, Rewrite& r, std::uint32_t* newLength) {
    const std::uint8_t* text = store.Buffer().base;
    std::uint64_t size = ReplacedLength(text, store.Length(), r);
    BlockHeap& heap = store.Heap();
    BlockHandle block = size > 0xFFFFFFFFu ? 0 : heap.Allocate(size, true);
    if (block == 0) return 0;
    *newLength = WriteReplaced(text, store.Length(), heap.Lock(block), r);
    heap.Unlock(block);
    // Much shorter text gives back what it does not need (a block that cannot
    // shrink just keeps its room).
    std::uint64_t room = GrowthRoom(*newLength);
    if (size - *newLength > room) {
        if (BlockHandle smaller = heap.Reallocate(block, *newLength + room)) block = smaller;
    }
    return block;
}

// The replace-all's undo step owns the former text's block; without one
// (the parent allowed it) the block goes and both histories are emptied,
// since their offsets would go stale.
void KeepFormerText(TextStore& store, BlockHandle former, std::uint32_t length, bool recorded) {
    if (recorded) {
        store.Undo().PushBlock(0, store.Length(), former, length);
    } else {
        store.Heap().Free(former);
        store.Undo().Clear();
    }
    store.Redo().Clear();
}

}  // namespace

ReplaceAllOutcome ReplaceAll(TextStore& store, EditEvents& events, const SearchPattern& pattern,
                             const std::uint8_t* with, std::uint32_t withLength) {
    BufferLock lock(store);
    Rewrite rewrite{pattern, with, withLength, pattern.FindForward(lock.Bytes(), store.Length(), 0)};
    if (rewrite.first == kNoMatch) return {};
    bool recorded = store.Undo().Reserve(UndoStore::kBlockRecordBytes);
    if (!recorded && !events.AllowWithoutUndo()) return {0, kSearchCancelled};
    std::uint32_t newLength = 0, formerLength = store.Length();
    BlockHandle block = NewText(store, rewrite, &newLength);
    if (block == 0) return {0, kSearchNoMemory};
    BlockHandle former = store.ExchangeText(block, newLength);
    if (former == 0) {
        store.Heap().Free(block);
        return {0, kSearchNoMemory};
    }
    KeepFormerText(store, former, formerLength, recorded);
    store.Sel() = Selection{};
    store.PlaceCaretPosition();
    return {rewrite.count, kSearchNoError};
}

}  // namespace velmo
