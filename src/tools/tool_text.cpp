#include "tools/tool_text.h"

namespace velmo {

ToolText::~ToolText() { Release(); }

void ToolText::Release() {
    if (block_ == 0) return;
    heap_.Unlock(block_);
    heap_.Free(block_);
    block_ = 0;
    bytes_ = nullptr;
    length_ = 0;
}

bool ToolText::Allocate(std::uint64_t length) {
    Release();
    // One byte at least: an empty fixed block is not a block everywhere.
    block_ = heap_.Allocate(length == 0 ? 1 : length, false);
    if (block_ == 0) return false;
    bytes_ = heap_.Lock(block_);
    length_ = static_cast<std::uint32_t>(length);
    return true;
}

void ToolText::Shorten(std::uint32_t length) {
    if (length < length_) length_ = length;
}

}  // namespace velmo
