#pragma once
// The control's side of a search, played by the store and the editor as the
// control plays it, and case forms of a Latin-1 code page so that ä and Ä are
// each other's forms.
#include "../model/recording_events.h"
#include "editview/search/search_engine.h"

namespace velmo::testing {

inline std::uint8_t LatinUpper(std::uint8_t c) {
    bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return lower ? static_cast<std::uint8_t>(c - 32) : c;
}
inline std::uint8_t LatinLower(std::uint8_t c) {
    bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return upper ? static_cast<std::uint8_t>(c + 32) : c;
}

inline void UpperInPlace(std::uint8_t* bytes, std::uint32_t length) {
    for (std::uint32_t i = 0; i < length; ++i) bytes[i] = LatinUpper(bytes[i]);
}
inline void LowerInPlace(std::uint8_t* bytes, std::uint32_t length) {
    for (std::uint32_t i = 0; i < length; ++i) bytes[i] = LatinLower(bytes[i]);
}

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

}  // namespace velmo::testing
