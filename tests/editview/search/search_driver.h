#pragma once
// Finds, replaces and replace-alls on short texts of a few letters, so that
// matches overlap often, against a plain model that follows the rules the
// slow, obvious way. Replace-alls run now and then with an allocation set to
// fail or the undo question refused; they must then change nothing and say
// why. The decisions come from a Choices, so the randomized test and the
// fuzz target drive the same code.
#include <cstdint>
#include <string>

#include "../../common/choices.h"
#include "../../common/mismatch.h"
#include "search_host.h"

namespace velmo::testing {

// The document and its selection as the search rules read them.
struct SearchModel {
    std::string text;
    std::uint32_t selStart = 0, selEnd = 0;

    std::uint32_t Length() const { return Size(text); }
    bool MatchAt(std::uint32_t at, const std::string& find, bool ignoreCase) const;
    std::uint32_t FindFrom(std::uint32_t from, const std::string& find, bool ignoreCase) const;
    // What a find selects, or kNoMatch.
    std::uint32_t Find(const std::string& find, bool down, bool ignoreCase) const;
    std::uint32_t ReplaceAll(const std::string& find, const std::string& with, bool ignoreCase);
};

class SearchDriver {
public:
    SearchDriver();
    ~SearchDriver();
    SearchDriver(const SearchDriver&) = delete;
    SearchDriver& operator=(const SearchDriver&) = delete;

    // One operation chosen by `choices`, then the comparison: "" when the
    // engine agrees with the model, else the first difference.
    std::string Step(Choices& choices);

private:
    std::string Letters(std::uint32_t count);
    void NewText();
    void Select();
    void FindOrReplace(bool replace);
    void ReplaceEverything();
    std::string Text();
    std::uint32_t Run(std::uint32_t operation, const std::string& find, const std::string& with, bool down,
                      bool ignoreCase);

    Choices* choices_ = nullptr;
    TextStore store_{SystemHeap()};
    RecordingEvents events_{store_};
    Editor editor_{store_, events_};
    StoreSearchHost host_{store_, editor_};
    SearchEngine engine_{store_, events_, CaseMapping{UpperInPlace, LowerInPlace}};
    SearchModel model_;
    Mismatch mismatch_;
};

}  // namespace velmo::testing
