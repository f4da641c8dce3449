#include "editview/search/search_engine.h"

#include <cstring>

#include "editview/search/replace_all.h"

namespace velmo {

namespace {

const std::uint8_t* Bytes(const char* text) { return reinterpret_cast<const std::uint8_t*>(text); }
std::uint32_t LengthOf(const char* text) { return static_cast<std::uint32_t>(std::strlen(text)); }

}  // namespace

std::uint32_t SearchEngine::Run(const SearchRequest& request, SearchHost& host) {
    const std::uint32_t operation = request.operation;
    // A replace-all always tells how it ended; the caller reads the error after it.
    if (operation == SEARCH_REPLACE_ALL) error_ = kSearchNoError;
    bool replacing = operation == SEARCH_REPLACE || operation == SEARCH_REPLACE_ALL;
    // An empty find text would match everywhere without ever moving on.
    if (operation > SEARCH_REPLACE_ALL || request.findWhat == nullptr || request.findWhat[0] == '\0' ||
        (replacing && request.replaceWith == nullptr)) {
        return 0;
    }
    SearchPattern pattern(store_.Heap());
    if (!pattern.Prepare(Bytes(request.findWhat), LengthOf(request.findWhat),
                         request.ignoreCase != 0 ? &cases_ : nullptr)) {
        error_ = kSearchNoMemory;
        return 0;
    }
    switch (operation) {
        case SEARCH_FIND: return Find(pattern, request.searchDown != 0, host);
        case SEARCH_REPLACE: return Replace(pattern, request, host);
        default: return ReplaceAllMatches(pattern, request.replaceWith, host);
    }
}

// Forward from the selection's start, or one past it when the selection is
// as long as the find text (normally the last match), so that overlapping
// matches are found one after the other. Backward from the selection's
// start, or from its end when it is neither empty nor as long as the find
// text, so that a match inside any selection can be found.
std::uint32_t SearchEngine::Find(const SearchPattern& pattern, bool down, SearchHost& host) {
    const Selection& sel = store_.Sel();
    std::uint32_t selected = sel.end - sel.start, length = pattern.Length();
    if (down) return FindFrom(pattern, selected == length ? sel.start + 1 : sel.start, host);
    // An empty selection's end is its start.
    std::uint32_t start = selected == length ? sel.start : sel.end;
    if (store_.Length() < length || start == 0) return 0;
    std::uint32_t match;
    {
        BufferLock lock(store_);
        match = pattern.FindBackward(lock.Bytes(), store_.Length(), start - 1);
    }
    return Select(match, length, host);
}

std::uint32_t SearchEngine::FindFrom(const SearchPattern& pattern, std::uint32_t from, SearchHost& host) {
    if (store_.Length() < pattern.Length() || from > store_.Length() - pattern.Length()) return 0;
    std::uint32_t match;
    {
        BufferLock lock(store_);
        match = pattern.FindForward(lock.Bytes(), store_.Length(), from);
    }
    return Select(match, pattern.Length(), host);
}

std::uint32_t SearchEngine::Select(std::uint32_t match, std::uint32_t length, SearchHost& host) {
    error_ = kSearchNoError;
    if (match == kNoMatch) return 0;
    host.SelectFound(match, match + length);
    return 1;
}

// A selected match is replaced and the search goes on forward from behind
// the replacement, whatever the direction; any other selection is left
// alone and the request runs as a find.
std::uint32_t SearchEngine::Replace(const SearchPattern& pattern, const SearchRequest& request, SearchHost& host) {
    const Selection sel = store_.Sel();
    bool selectedMatch = false;
    if (sel.end - sel.start == pattern.Length()) {
        BufferLock lock(store_);
        selectedMatch = pattern.Matches(lock.Bytes() + sel.start);
    }
    if (!selectedMatch) return Find(pattern, request.searchDown != 0, host);
    std::uint32_t length = LengthOf(request.replaceWith);
    // Not made: the parent has already told the user why; the match stays selected.
    if (!host.ReplaceSelection(Bytes(request.replaceWith), length)) return 1;
    host.SelectReplacement(sel.start, sel.start + length);
    return FindFrom(pattern, sel.start + length, host);
}

std::uint32_t SearchEngine::ReplaceAllMatches(const SearchPattern& pattern, const char* with, SearchHost& host) {
    ReplaceAllOutcome outcome = ReplaceAll(store_, events_, pattern, Bytes(with), LengthOf(with));
    error_ = outcome.error;
    if (outcome.count > 0) host.ShowRewrittenText();
    return outcome.count;
}

}  // namespace velmo
