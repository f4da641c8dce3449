#include "editview/search/replace_all.h"

#include <cstring>

#include "editview/search/match_list.h"
#include "editview/search/move_bytes.h"
#include "editview/search/search_request.h"

namespace velmo {

namespace {

void SetTextLength(TextStore& store, std::uint32_t length) {
    TextBuffer& buffer = store.Buffer();
    buffer.length = length;
    buffer.free = store.Heap().Size(buffer.handle) - length;
}

// The whole former text, kept until the new text and its layout stand: as
// the replace-all's undo step when the history takes it, else in a block of
// its own for as long as the operation runs.
class FormerText {
public:
    explicit FormerText(TextStore& store) : store_(store), length_(store.Length()) {}
    ~FormerText() { store_.Heap().Free(copy_); }
    FormerText(const FormerText&) = delete;
    FormerText& operator=(const FormerText&) = delete;

    std::uint32_t Keep(EditEvents& events) {
        UndoStore& undo = store_.Undo();
        const std::uint8_t* text = store_.Buffer().base;
        if (undo.Reserve(length_)) {
            undo.Push(0, length_, text, length_);
            recorded_ = true;
            return kSearchNoError;
        }
        if (!events.AllowWithoutUndo()) return kSearchCancelled;
        copy_ = store_.Heap().Allocate(length_, false);
        if (copy_ == 0) return kSearchNoMemory;
        std::memcpy(store_.Heap().Lock(copy_), text, length_);
        return kSearchNoError;
    }

    // The text as it was, and no step that records the change.
    void Restore() {
        TextBuffer& buffer = store_.Buffer();
        if (recorded_) {
            UndoStore& undo = store_.Undo();
            std::memcpy(buffer.base, undo.LockTopText(), length_);
            undo.UnlockPool();
            undo.Pop();
        } else {
            std::memcpy(buffer.base, store_.Heap().Lock(copy_), length_);
        }
        SetTextLength(store_, length_);
    }

    // Undo takes the new text, `newLength` bytes, back to the former one.
    void Commit(std::uint32_t newLength) {
        if (recorded_) {
            store_.Undo().SetTopEnd(newLength);
        } else {
            store_.Undo().Clear();
        }
        store_.Redo().Clear();
    }

    // Drops the step Keep recorded when the text could not be rewritten.
    void Forget() {
        if (recorded_) store_.Undo().Pop();
    }

private:
    TextStore& store_;
    std::uint32_t length_;
    bool recorded_ = false;
    BlockHandle copy_ = 0;
};

struct Rewrite {
    const SearchPattern& pattern;
    const std::uint8_t* with;
    std::uint32_t withLength;
    std::uint32_t first;  // the first match
    std::uint32_t count = 0;
};

// Replacements no longer than the matches: every kept byte moves at most
// once, towards the start, right behind the replacement written before it.
// The writing stays behind the end of the match just found.
std::uint32_t RewriteShrinking(std::uint8_t* text, std::uint32_t length, Rewrite& r) {
    const std::uint32_t matchLength = r.pattern.Length();
    std::uint32_t out = r.first, kept = r.first;  // where to write; the bytes kept since the last match
    r.pattern.ForEachMatch(text, length, r.first, [&](std::uint32_t match) {
        MoveBytes(text + out, text + kept, match - kept);
        out += match - kept;
        MoveBytes(text + out, r.with, r.withLength);
        out += r.withLength;
        kept = match + matchLength;
        ++r.count;
        return true;
    });
    MoveBytes(text + out, text + kept, length - kept);
    return out + (length - kept);
}

// Longer replacements: the matches are noted first, the block grows to the
// new length, and the pieces move from the end towards the start, each to
// its final place with its replacement in front. False when the list or the
// larger block cannot be had; nothing has changed then.
bool RewriteGrowing(TextStore& store, Rewrite& r, std::uint32_t* newLength) {
    TextBuffer& buffer = store.Buffer();
    const std::uint32_t length = buffer.length, matchLength = r.pattern.Length();
    MatchList matches(store.Heap());
    bool listed = true;
    r.pattern.ForEachMatch(buffer.base, length, r.first,
                           [&](std::uint32_t match) { return listed = matches.Add(match); });
    std::uint64_t grown = length + std::uint64_t{matches.Count()} * (r.withLength - matchLength);
    if (!listed || grown > 0xFFFFFFFFu ||
        !buffer.Reserve(store.Heap(), static_cast<std::uint32_t>(grown - length))) {
        return false;
    }
    std::uint8_t* text = buffer.base;
    std::uint32_t end = length, out = static_cast<std::uint32_t>(grown);
    matches.ForEachBackward([&](std::uint32_t match) {
        std::uint32_t kept = end - (match + matchLength);
        out -= kept;
        MoveBytes(text + out, text + match + matchLength, kept);
        out -= r.withLength;
        MoveBytes(text + out, r.with, r.withLength);
        end = match;
    });
    r.count = matches.Count();
    *newLength = static_cast<std::uint32_t>(grown);
    return true;
}

}  // namespace

ReplaceAllOutcome ReplaceAll(TextStore& store, EditEvents& events, const SearchPattern& pattern,
                             const std::uint8_t* with, std::uint32_t withLength) {
    BufferLock lock(store);
    Rewrite rewrite{pattern, with, withLength, pattern.FindForward(lock.Bytes(), store.Length(), 0)};
    if (rewrite.first == kNoMatch) return {};
    FormerText former(store);
    if (std::uint32_t error = former.Keep(events); error != kSearchNoError) return {0, error};
    std::uint32_t newLength = 0;
    if (withLength <= pattern.Length()) {
        newLength = RewriteShrinking(lock.Bytes(), store.Length(), rewrite);
    } else if (!RewriteGrowing(store, rewrite, &newLength)) {
        former.Forget();
        return {0, kSearchNoMemory};
    }
    SetTextLength(store, newLength);
    if (!store.RebuildLayout()) {
        former.Restore();
        store.RestoreLayout();
        return {0, kSearchNoMemory};
    }
    former.Commit(newLength);
    store.Sel() = Selection{};
    store.PlaceCaretPosition();
    return {rewrite.count, kSearchNoError};
}

}  // namespace velmo
