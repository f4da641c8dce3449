#pragma once
// The document's bytes: one movable block whose handle callers may borrow.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

constexpr std::uint32_t kGrowthStep = 65536;

// The room a block of `size` bytes gets when it grows: 64 KiB, or an eighth
// of its size once that is more, so that a large block growing many times is
// copied a few times rather than at each growth (its memory at most an
// eighth more than it holds).
inline std::uint64_t GrowthRoom(std::uint64_t size) { return size / 8 > kGrowthStep ? size / 8 : kGrowthStep; }

struct TextBuffer {
    BlockHandle handle = 0;
    std::uint8_t* base = nullptr;  // set only while locked for one operation
    std::uint32_t length = 0;      // bytes of text; no terminator is kept
    std::uint32_t free = 0;        // bytes behind the text usable without growing

    std::uint8_t* Lock(BlockHeap& heap);
    void Unlock(BlockHeap& heap);
    bool IsLocked() const { return base != nullptr; }

    // Makes room for `count` more bytes: keeps the block when enough is free,
    // else grows it by count + GrowthRoom (GrowthRoom alone for single bytes
    // and line breaks). False when the block cannot grow; nothing changes then.
    bool Reserve(BlockHeap& heap, std::uint32_t count);

    // Exchanges the `removed` bytes at `start` for text[0, inserted) in one
    // block move. The block must be locked and hold room for the growth.
    void Replace(std::uint32_t start, std::uint32_t removed, const std::uint8_t* text, std::uint32_t inserted);
};

}  // namespace velmo
