#pragma once
// A store, an editor and a recorder of the editor's notifications, shared by
// the editing tests.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "recording_events.h"
#include "store_fixture.h"

namespace velmo::testing {

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
