#pragma once
// The editor's notifications noted as words, and the plain facts of a text
// that editing tests compare with: its bytes as the editor takes them and
// its line starts found the slow, obvious way.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "../../common/mismatch.h"
#include "editview/model/editing.h"

namespace velmo::testing {

inline const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }
inline std::uint32_t Size(const std::string& s) { return static_cast<std::uint32_t>(s.size()); }

// Line starts found the slow, obvious way, then the sentinel (the length).
inline std::vector<std::uint32_t> ReferenceEntries(const std::string& text) {
    std::vector<std::uint32_t> entries{0};
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') entries.push_back(static_cast<std::uint32_t>(++i + 1));
    }
    entries.push_back(Size(text));
    return entries;
}

// The line holding `offset` among those entries (past the end: the last).
inline std::uint32_t LineOfOffset(const std::vector<std::uint32_t>& entries, std::uint32_t offset) {
    auto after = std::upper_bound(entries.begin(), entries.end() - 1, offset);
    return static_cast<std::uint32_t>(after - entries.begin() - 1);
}

inline std::uint32_t ReferenceLine(const std::string& text, std::uint32_t offset) {
    return LineOfOffset(ReferenceEntries(text), offset);
}

// The store's bytes as the editor holds them.
inline std::string StoreText(TextStore& store) {
    BufferLock lock(store);
    return std::string(reinterpret_cast<const char*>(lock.Bytes()), store.Length());
}

// A line table against those starts, with its counts and free bytes.
inline void CheckLineTable(Mismatch& check, const LineTable& lines, const std::string& text) {
    check.Same(std::vector<std::uint32_t>(lines.entries, lines.entries + lines.last + 2), ReferenceEntries(text),
               "line table");
    check.Same(lines.count, lines.last + 1, "line count");
    check.Same(lines.logicalCount, lines.count, "logical line count");
    check.Same(lines.free, lines.blockSize - 4 * (lines.last + 2), "free table bytes");
}

// Notes every notification as a word; answers the full-history questions as
// told. The modified flag must already be set when the caret notification
// comes, which "caret" records as "caret*".
class RecordingEvents final : public EditEvents {
public:
    explicit RecordingEvents(const TextStore& store) : store_(store) {}
    void TextEdited(const EditedSpan& span) override {
        lastSpan = span;
        log.push_back("edited");
    }
    void TextChanged() override { log.push_back("change"); }
    void CaretMoved() override { log.push_back(store_.modified ? "caret*" : "caret"); }
    void OutOfTextSpace() override { log.push_back("maxtext"); }
    void OutOfTableSpace() override { log.push_back("errspace"); }
    bool AllowWithoutUndo() override {
        log.push_back("undofull");
        return allowWithoutUndo;
    }
    bool AllowWithoutRedo() override {
        log.push_back("redofull");
        return allowWithoutRedo;
    }
    std::string Take() {
        std::string all;
        for (const auto& word : log) all += (all.empty() ? "" : " ") + word;
        log.clear();
        return all;
    }

    std::vector<std::string> log;
    EditedSpan lastSpan;
    bool allowWithoutUndo = true;
    bool allowWithoutRedo = true;

private:
    const TextStore& store_;
};

}  // namespace velmo::testing
