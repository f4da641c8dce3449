#pragma once
// A store made fresh for each test, an editor and a recorder of the editor's
// notifications, with injected failures disarmed again afterwards; the ways
// tests hand the store text and read it back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "recording_events.h"

namespace velmo::testing {

class EditingFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store.Create()); }
    void TearDown() override {
        SystemHeap().FailAfter(0);
        SystemHeap().FailAlways(false);
        store.Destroy();
    }
    // A block holding `text` (and `extra` zero bytes), as a caller would hand it over.
    static BlockHandle BlockWith(const std::string& text, std::uint32_t extra = 0) {
        BlockHandle block = SystemHeap().Allocate(text.size() + extra, true);
        if (!text.empty()) std::memcpy(SystemHeap().Lock(block), text.data(), text.size());
        SystemHeap().Unlock(block);
        return block;
    }
    // Hands `block` to the store, then frees the old block as its caller
    // must (the store frees its own when given none); disarms failures.
    bool SetBlock(BlockHandle block, std::uint32_t length) {
        BlockHandle old = store.Buffer().handle;
        bool set = store.SetText(block, length);
        SystemHeap().FailAfter(0);
        if (block != 0) SystemHeap().Free(old);
        return set;
    }
    void SetText(const std::string& text) { ASSERT_TRUE(SetBlock(BlockWith(text), Size(text))); }
    std::string Text() {
        std::string s(reinterpret_cast<char*>(store.Buffer().Lock(SystemHeap())), store.Length());
        store.Buffer().Unlock(SystemHeap());
        return s;
    }
    // Text, whole line table (against a rebuild) and its bookkeeping.
    void ExpectDocument(const std::string& text) {
        ASSERT_EQ(Text(), text);
        Mismatch check;
        CheckLineTable(check, store.Lines(), text);
        check.Same(store.Buffer().free, SystemHeap().Size(store.Buffer().handle) - store.Length(), "free text");
        ASSERT_FALSE(check.Found()) << check.Text();
    }
    void ExpectSelection(std::uint32_t start, std::uint32_t end, std::uint32_t caret) {
        EXPECT_EQ(store.Sel().start, start);
        EXPECT_EQ(store.Sel().end, end);
        EXPECT_EQ(store.Sel().caret, caret);
    }
    void ExpectSteps(std::uint32_t undo, std::uint32_t redo) {
        EXPECT_EQ(editor.UndoSteps(), undo);
        EXPECT_EQ(editor.RedoSteps(), redo);
    }
    EditResult Type(const std::string& keys, bool ctrl = false) {
        EditResult result = EditResult::NothingChanged;
        for (char key : keys) result = editor.Type(static_cast<std::uint8_t>(key), ctrl);
        return result;
    }
    EditResult Replace(const std::string& text, bool record = true) {
        return editor.ReplaceSelection(Bytes(text), Size(text), record);
    }

    TextStore store{SystemHeap()};
    RecordingEvents events{store};
    Editor editor{store, events};
};

}  // namespace velmo::testing
