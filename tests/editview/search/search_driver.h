#pragma once
// Finds, replaces and replace-alls on short texts of a few letters, so that
// matches overlap often, against a plain model that follows the rules the
// slow, obvious way; with word wrap on now and then. Operations and the
// undo of a replace-all run now and then with allocations set to fail; they
// must then change nothing and say why. The decisions come from a Choices,
// so the randomized test and the fuzz target drive the same code.
#include <cstdint>
#include <string>

#include "../../common/choices.h"
#include "../../common/mismatch.h"
#include "../model/recording_events.h"
#include "editview/search/search_engine.h"
#include "editview/view/char_width_table.h"

namespace velmo::testing {

// Case forms of a Latin-1 code page, so that ä and Ä are each other's forms
// (× and ÷ have none).
inline void LatinCase(std::uint8_t* bytes, std::uint32_t length, bool upper) {
    for (std::uint32_t i = 0; i < length; ++i) {
        auto c = static_cast<std::uint8_t>(bytes[i] & 0xDF);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) bytes[i] = upper ? c : c | 0x20;
    }
}
inline void UpperInPlace(std::uint8_t* bytes, std::uint32_t length) { LatinCase(bytes, length, true); }
inline void LowerInPlace(std::uint8_t* bytes, std::uint32_t length) { LatinCase(bytes, length, false); }

// The control's side of a search, played by the store and the editor as the
// control plays it.
class StoreSearchHost final : public SearchHost {
public:
    StoreSearchHost(TextStore& store, Editor& editor) : store_(store), editor_(editor) {}
    void SelectFound(std::uint32_t start, std::uint32_t end) override { store_.SetSelection(start, end); }
    bool ReplaceSelection(const std::uint8_t* text, std::uint32_t length) override {
        return !Failed(editor_.ReplaceSelection(text, length, true));
    }
    void SelectReplacement(std::uint32_t start, std::uint32_t end) override { store_.SetSelection(start, end); }
    void ShowRewrittenText() override { ++rewritten; }

    int rewritten = 0;

private:
    TextStore& store_;
    Editor& editor_;
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
    void UndoReplaceAll(const std::string& before);
    bool Arm(std::uint32_t percent);
    std::uint32_t ModelFind(const std::string& find, bool down, bool ignoreCase) const;
    std::uint32_t Run(std::uint32_t operation, const std::string& find, const std::string& with, bool down,
                      bool ignoreCase);

    Choices* choices_ = nullptr;
    TextStore store_{SystemHeap()};
    RecordingEvents events_{store_};
    Editor editor_{store_, events_};
    StoreSearchHost host_{store_, editor_};
    SearchEngine engine_{store_, events_, CaseMapping{UpperInPlace, LowerInPlace}};
    CharWidthTable widths_;
    // The model: the text and its selection.
    std::string text_;
    std::uint32_t selStart_ = 0, selEnd_ = 0;
    Mismatch mismatch_;
};

}  // namespace velmo::testing
