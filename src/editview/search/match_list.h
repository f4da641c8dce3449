#pragma once
// The offsets of the matches a growing replace-all moves, 4 bytes each, in
// blocks of 64 Ki offsets taken one after the other as the list grows, so
// that nothing is ever copied to grow it. Each block remembers the one
// before it; the list is walked from the last offset to the first.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

class MatchList {
public:
    explicit MatchList(BlockHeap& heap) : heap_(heap) {}
    ~MatchList();
    MatchList(const MatchList&) = delete;
    MatchList& operator=(const MatchList&) = delete;

    // False when a new block cannot be had.
    bool Add(std::uint32_t offset) {
        if (last_ == nullptr || last_->used == kBlockOffsets) {
            if (!AddBlock()) return false;
        }
        last_->offsets[last_->used++] = offset;
        ++count_;
        return true;
    }
    std::uint32_t Count() const { return count_; }

    template <typename Visit>
    void ForEachBackward(Visit visit) const {
        for (const Block* block = last_; block != nullptr; block = Previous(block)) {
            for (std::uint32_t i = block->used; i-- > 0;) visit(block->offsets[i]);
        }
    }

private:
    static constexpr std::uint32_t kBlockOffsets = 65536;
    struct Block {
        BlockHandle self;
        BlockHandle previous;
        std::uint32_t used;
        std::uint32_t offsets[kBlockOffsets];
    };
    Block* Previous(const Block* block) const;
    bool AddBlock();

    BlockHeap& heap_;
    Block* last_ = nullptr;
    std::uint32_t count_ = 0;
};

}  // namespace velmo
