#pragma once
// The seam through which the editor takes its memory blocks. On Windows it is
// the global heap (movable blocks whose handles callers may lock themselves);
// on the host it is plain malloc. A failure countdown lets tests make any
// chosen allocation or reallocation fail.
#include <cstddef>
#include <cstdint>

namespace velmo {

using BlockHandle = std::uintptr_t;

class BlockHeap {
public:
    virtual ~BlockHeap() = default;

    // A zero-filled block, or 0. Sizes of 4 GiB or more always fail.
    BlockHandle Allocate(std::uint64_t size, bool movable);
    // Grows or shrinks a block, keeping its bytes; 0 on failure (the old block
    // stays valid). A movable block may move; it must not be locked.
    BlockHandle Reallocate(BlockHandle block, std::uint64_t size);
    virtual std::uint32_t Size(BlockHandle block) = 0;
    virtual std::uint8_t* Lock(BlockHandle block) = 0;
    virtual void Unlock(BlockHandle block) = 0;
    virtual void Free(BlockHandle block) = 0;

    // The n-th allocation or reallocation from now (1 = the next) and the
    // count - 1 after it fail; n = 0 disarms.
    void FailAfter(unsigned n, unsigned count = 1) {
        failCountdown_ = n;
        failCount_ = count;
        failed_ = 0;
    }
    // Every allocation and reallocation fails while set.
    void FailAlways(bool on) { failAlways_ = on; }
    // How many armed failures have come since FailAfter.
    unsigned FailuresMade() const { return failed_; }

protected:
    virtual BlockHandle DoAllocate(std::uint32_t size, bool movable) = 0;
    virtual BlockHandle DoReallocate(BlockHandle block, std::uint32_t size) = 0;

private:
    bool InjectedFailure();
    unsigned failCountdown_ = 0;
    unsigned failCount_ = 0;
    unsigned failed_ = 0;
    bool failAlways_ = false;
};

// The heap of this platform: the global heap on Windows, malloc elsewhere.
BlockHeap& SystemHeap();

}  // namespace velmo
