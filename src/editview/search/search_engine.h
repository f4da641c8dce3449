#pragma once
// EVM_SEARCH: finding the next or previous match from the selection,
// replacing the selected match and finding the next, and replacing all.
// There is no wrap-around: a search that reaches the end (or the start)
// finds nothing. What the control does on screen comes through SearchHost.
#include <cstdint>

#include "editview/model/edit_events.h"
#include "editview/model/text_store.h"
#include "editview/search/search_pattern.h"
#include "editview/search/search_request.h"

namespace velmo {

class SearchHost {
public:
    virtual ~SearchHost() = default;
    // Selects the match [start, end), the caret at its end, and shows it.
    virtual void SelectFound(std::uint32_t start, std::uint32_t end) = 0;
    // Replaces the selection as an edit with its undo step; false when the
    // edit was not made (no memory, or refused by the parent).
    virtual bool ReplaceSelection(const std::uint8_t* text, std::uint32_t length) = 0;
    // Selects the replacement just made and scrolls the caret into view.
    virtual void SelectReplacement(std::uint32_t start, std::uint32_t end) = 0;
    // After a replace-all: the view from the top, and the parent told.
    virtual void ShowRewrittenText() = 0;
};

class SearchEngine {
public:
    SearchEngine(TextStore& store, EditEvents& events, CaseMapping cases)
        : store_(store), events_(events), cases_(cases) {}

    // Non-zero when a find or replace selected a match, 0 when none was
    // found; for a replace-all the number of replacements. An empty or
    // missing find text, or a missing replacement, changes nothing and
    // answers 0.
    std::uint32_t Run(const SearchRequest& request, SearchHost& host);
    // EVM_GETSEARCHERROR: the error of the last request, kept when it ran
    // no scan (a text shorter than the find text, a backward find from 0).
    std::uint32_t Error() const { return error_; }
    void ClearError() { error_ = kSearchNoError; }

private:
    std::uint32_t Find(const SearchPattern& pattern, bool down, SearchHost& host);
    std::uint32_t FindFrom(const SearchPattern& pattern, std::uint32_t from, SearchHost& host);
    std::uint32_t Replace(const SearchPattern& pattern, const SearchRequest& request, SearchHost& host);
    std::uint32_t ReplaceAllMatches(const SearchPattern& pattern, const char* with, SearchHost& host);
    std::uint32_t Select(std::uint32_t match, std::uint32_t length, SearchHost& host);

    TextStore& store_;
    EditEvents& events_;
    CaseMapping cases_;
    std::uint32_t error_ = kSearchNoError;
};

}  // namespace velmo
