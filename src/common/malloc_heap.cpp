// Host stand-in for the global heap: a handle points at a small header that
// owns the bytes, so a reallocation may move the bytes but keeps the handle
// semantics of a movable block simple to check.
#include <cstdlib>
#include <cstring>

#include "common/memory_blocks.h"

namespace velmo {

namespace {

struct MallocBlock {
    std::uint32_t size;
    std::uint8_t* bytes;
};

class MallocHeap final : public BlockHeap {
public:
    std::uint32_t Size(BlockHandle block) override { return Get(block)->size; }
    std::uint8_t* Lock(BlockHandle block) override { return Get(block)->bytes; }
    void Unlock(BlockHandle) override {}
    void Free(BlockHandle block) override {
        if (block == 0) return;
        std::free(Get(block)->bytes);
        delete Get(block);
    }

protected:
    BlockHandle DoAllocate(std::uint32_t size, bool) override {
        auto* bytes = static_cast<std::uint8_t*>(std::calloc(size == 0 ? 1 : size, 1));
        if (bytes == nullptr) return 0;
        return reinterpret_cast<BlockHandle>(new MallocBlock{size, bytes});
    }
    BlockHandle DoReallocate(BlockHandle block, std::uint32_t size) override {
        MallocBlock* b = Get(block);
        auto* bytes = static_cast<std::uint8_t*>(std::realloc(b->bytes, size == 0 ? 1 : size));
        if (bytes == nullptr) return 0;
        if (size > b->size) std::memset(bytes + b->size, 0, size - b->size);
        b->bytes = bytes;
        b->size = size;
        return block;
    }

private:
    static MallocBlock* Get(BlockHandle block) { return reinterpret_cast<MallocBlock*>(block); }
};

}  // namespace

BlockHeap& SystemHeap() {
    static MallocHeap heap;
    return heap;
}

}  // namespace velmo
