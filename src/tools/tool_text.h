#pragma once
// The text a tool makes to replace the selection: a block of its own from the
// block heap (so that tests can make it fail) with its length beside it, as
// the text may hold NUL bytes.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

class ToolText {
public:
    explicit ToolText(BlockHeap& heap) : heap_(heap) {}
    ~ToolText();
    ToolText(const ToolText&) = delete;
    ToolText& operator=(const ToolText&) = delete;

    // Room for `length` bytes, which become the text's length; false when
    // memory runs out (or the size is past what a block can hold).
    bool Allocate(std::uint64_t length);
    // Cuts the text to `length` bytes, never more than were allocated.
    void Shorten(std::uint32_t length);

    std::uint8_t* Bytes() { return bytes_; }
    const std::uint8_t* Bytes() const { return bytes_; }
    std::uint32_t Length() const { return length_; }

private:
    void Release();

    BlockHeap& heap_;
    BlockHandle block_ = 0;
    std::uint8_t* bytes_ = nullptr;
    std::uint32_t length_ = 0;
};

}  // namespace velmo
