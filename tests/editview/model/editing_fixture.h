#pragma once
// A store made fresh for each test, an editor and a recorder of the editor's
// notifications, with injected failures disarmed again afterwards; the ways
// tests hand the store text and read it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

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
    // Hands the store a block holding `text`, then frees the old block as its
    // caller must.
    void SetText(const std::string& text) {
        BlockHandle block = SystemHeap().Allocate(text.size(), true);
        std::copy(text.begin(), text.end(), SystemHeap().Lock(block));
        SystemHeap().Unlock(block);
        BlockHandle old = store.Buffer().handle;
        ASSERT_TRUE(store.SetText(block, Size(text)));
        SystemHeap().Free(old);
    }
    std::string Text() { return StoreText(store); }
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
    EditResult Replace(const std::string& text, bool record = true) {
        return editor.ReplaceSelection(Bytes(text), Size(text), record);
    }

    TextStore store{SystemHeap()};
    RecordingEvents events{store};
    Editor editor{store, events};
};

}  // namespace velmo::testing
