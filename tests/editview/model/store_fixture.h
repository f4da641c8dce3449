#pragma once
// A text store made fresh for each test, with injected failures disarmed
// again afterwards, and the ways tests hand it text and read it back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editview/model/text_store.h"

namespace velmo {

class StoreFixture : public ::testing::Test {
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
    std::string Text() {
        std::string s(reinterpret_cast<char*>(store.Buffer().Lock(SystemHeap())), store.Length());
        store.Buffer().Unlock(SystemHeap());
        return s;
    }

    TextStore store{SystemHeap()};
};

}  // namespace velmo
