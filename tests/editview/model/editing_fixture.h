#pragma once
// A store, an editor and a recorder of the editor's notifications, shared by
// the editing tests.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editview/model/editing.h"
#include "store_fixture.h"

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

class EditingFixture : public StoreFixture {
protected:
    void SetText(const std::string& text) {
        BlockHandle block = BlockWith(text);
        BlockHandle old = store.Buffer().handle;
        ASSERT_TRUE(store.SetText(block, Size(text)));
        SystemHeap().Free(old);
    }
    std::vector<std::uint32_t> Entries() const {
        const LineTable& lines = store.Lines();
        return std::vector<std::uint32_t>(lines.entries, lines.entries + lines.last + 2);
    }
    // Text, whole line table (against a rebuild) and its bookkeeping.
    void ExpectDocument(const std::string& text) {
        ASSERT_EQ(Text(), text);
        ASSERT_EQ(Entries(), ReferenceEntries(text));
        const LineTable& lines = store.Lines();
        ASSERT_EQ(lines.count, lines.last + 1);
        ASSERT_EQ(lines.logicalCount, lines.count);
        ASSERT_EQ(lines.free, lines.blockSize - 4 * (lines.last + 2));
        ASSERT_EQ(store.Buffer().free, SystemHeap().Size(store.Buffer().handle) - store.Length());
    }
    void ExpectSelection(std::uint32_t start, std::uint32_t end, std::uint32_t caret) {
        EXPECT_EQ(store.Sel().start, start);
        EXPECT_EQ(store.Sel().end, end);
        EXPECT_EQ(store.Sel().caret, caret);
    }
    EditResult Type(const std::string& keys, bool ctrl = false) {
        EditResult result = EditResult::NothingChanged;
        for (char key : keys) result = editor.Type(static_cast<std::uint8_t>(key), ctrl);
        return result;
    }
    EditResult Replace(const std::string& text, bool record = true) {
        return editor.ReplaceSelection(Bytes(text), Size(text), record);
    }

    RecordingEvents events{store};
    Editor editor{store, events};
};

}  // namespace velmo::testing
