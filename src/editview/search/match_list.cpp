#include "editview/search/match_list.h"

namespace velmo {

MatchList::~MatchList() {
    while (last_ != nullptr) {
        BlockHandle self = last_->self;
        last_ = Previous(last_);
        heap_.Free(self);
    }
}

MatchList::Block* MatchList::Previous(const Block* block) const {
    if (block->previous == 0) return nullptr;
    return reinterpret_cast<Block*>(heap_.Lock(block->previous));
}

bool MatchList::AddBlock() {
    BlockHandle handle = heap_.Allocate(sizeof(Block), false);
    if (handle == 0) return false;
    auto* block = reinterpret_cast<Block*>(heap_.Lock(handle));
    block->self = handle;
    block->previous = last_ != nullptr ? last_->self : 0;
    block->used = 0;
    last_ = block;
    return true;
}

}  // namespace velmo
