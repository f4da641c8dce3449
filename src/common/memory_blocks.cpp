#include "common/memory_blocks.h"

namespace velmo {

namespace {
constexpr std::uint64_t kLargestBlock = 0xFFFFFFFFull;
}

bool BlockHeap::InjectedFailure() {
    if (failAlways_) return true;
    if (failCountdown_ == 0) return false;
    if (failCountdown_ > 1) {
        --failCountdown_;
        return false;
    }
    if (--failCount_ == 0) failCountdown_ = 0;
    ++failed_;
    return true;
}

BlockHandle BlockHeap::Allocate(std::uint64_t size, bool movable) {
    if (size > kLargestBlock || InjectedFailure()) return 0;
    return DoAllocate(static_cast<std::uint32_t>(size), movable);
}

BlockHandle BlockHeap::Reallocate(BlockHandle block, std::uint64_t size) {
    if (size > kLargestBlock || InjectedFailure()) return 0;
    return DoReallocate(block, static_cast<std::uint32_t>(size));
}

}  // namespace velmo
