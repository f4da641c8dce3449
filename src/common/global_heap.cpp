// The Windows global heap, so that the document block can be handed to
// callers (EM_GETHANDLE) and taken from them (EM_SETHANDLE).
#include <windows.h>

#include "common/memory_blocks.h"

namespace velmo {

namespace {

HGLOBAL AsHandle(BlockHandle block) { return reinterpret_cast<HGLOBAL>(block); }

class GlobalHeap final : public BlockHeap {
public:
    std::uint32_t Size(BlockHandle block) override { return static_cast<std::uint32_t>(GlobalSize(AsHandle(block))); }
    std::uint8_t* Lock(BlockHandle block) override { return static_cast<std::uint8_t*>(GlobalLock(AsHandle(block))); }
    void Unlock(BlockHandle block) override { GlobalUnlock(AsHandle(block)); }
    void Free(BlockHandle block) override {
        if (block != 0) GlobalFree(AsHandle(block));
    }

protected:
    BlockHandle DoAllocate(std::uint32_t size, bool movable) override {
        UINT flags = GMEM_ZEROINIT | (movable ? GMEM_MOVEABLE : GMEM_FIXED);
        return reinterpret_cast<BlockHandle>(GlobalAlloc(flags, size));
    }
    BlockHandle DoReallocate(BlockHandle block, std::uint32_t size) override {
        return reinterpret_cast<BlockHandle>(GlobalReAlloc(AsHandle(block), size, GMEM_MOVEABLE | GMEM_ZEROINIT));
    }
};

}  // namespace

BlockHeap& SystemHeap() {
    static GlobalHeap heap;
    return heap;
}

}  // namespace velmo
