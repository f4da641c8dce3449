#include "editview/model/undo_store.h"

#include <algorithm>
#include <cstring>

namespace velmo {

namespace {
constexpr std::uint64_t kRecordSize = sizeof(UndoRecord);
}

bool UndoStore::Create() {
    BlockHandle records = heap_.Allocate(kRecordSize * kRecordStep, false);
    BlockHandle pool = heap_.Allocate(kPoolStep, true);
    if (records == 0 || pool == 0) {
        heap_.Free(records);
        heap_.Free(pool);
        return false;
    }
    recordBlock_ = records;
    pool_ = pool;
    records_ = reinterpret_cast<UndoRecord*>(heap_.Lock(records));
    recordCapacity_ = kRecordStep;
    poolTop_ = 0;
    poolFree_ = kPoolStep;
    steps_ = 0;
    return true;
}

void UndoStore::Destroy() {
    Clear();
    UnlockPool();
    heap_.Free(recordBlock_);
    heap_.Free(pool_);
    recordBlock_ = pool_ = 0;
    records_ = nullptr;
    recordCapacity_ = steps_ = poolTop_ = poolFree_ = 0;
}

void UndoStore::Clear() {
    for (std::uint32_t i = 0; i < steps_; ++i) {
        if (records_[i].OwnsBlock()) heap_.Free(BlockOf(records_[i]));
    }
    steps_ = 0;
    poolFree_ += poolTop_;
    poolTop_ = 0;
    if (poolBase_ == nullptr) ShrinkPool();
}

bool UndoStore::Reserve(std::uint32_t length) {
    if (steps_ == recordCapacity_ && !GrowRecords()) return false;
    return length <= poolFree_ || GrowPool(length);
}

bool UndoStore::GrowRecords() {
    std::uint64_t capacity = std::uint64_t{recordCapacity_} + std::max(kRecordStep, recordCapacity_ / 8);
    BlockHandle grown = heap_.Reallocate(recordBlock_, capacity * kRecordSize);
    if (grown == 0) return false;
    recordBlock_ = grown;
    records_ = reinterpret_cast<UndoRecord*>(heap_.Lock(grown));
    recordCapacity_ = static_cast<std::uint32_t>(capacity);
    return true;
}

bool UndoStore::GrowPool(std::uint32_t length) {
    // The missing bytes plus room for the next texts: a step, or an eighth of
    // a large pool, so that undoing many large edits copies it seldom.
    std::uint64_t size = std::uint64_t{PoolSize()} + (length - poolFree_);
    if (size > kMaxPool) return false;
    size = std::min<std::uint64_t>(size + std::max(kPoolStep, PoolSize() / 8), kMaxPool);
    UnlockPool();
    BlockHandle grown = heap_.Reallocate(pool_, size);
    if (grown == 0) return false;
    pool_ = grown;
    poolFree_ = static_cast<std::uint32_t>(size - poolTop_);
    return true;
}

// The record's text counts as held before the pool is unlocked, which may
// shrink it to what it holds.
void UndoStore::Push(std::uint32_t start, std::uint32_t end, const std::uint8_t* text, std::uint32_t length) {
    const std::uint32_t offset = poolTop_;
    records_[steps_++] = UndoRecord{start, end, offset, length};
    poolTop_ += length;
    poolFree_ -= length;
    if (length > 0) {
        bool wasLocked = poolBase_ != nullptr;
        std::memcpy(LockPool() + offset, text, length);
        if (!wasLocked) UnlockPool();
    }
}

std::uint8_t* UndoStore::LockPool() {
    if (poolBase_ == nullptr) poolBase_ = heap_.Lock(pool_);
    return poolBase_;
}

const std::uint8_t* UndoStore::LockTopText() { return LockPool() + Top().textOffset; }

void UndoStore::UnlockPool() {
    if (poolBase_ == nullptr) return;
    heap_.Unlock(pool_);
    poolBase_ = nullptr;
    ShrinkPool();
}

// Never between a Reserve and its Push: the pool then holds at least what
// was reserved.
void UndoStore::ShrinkPool() {
    constexpr std::uint32_t kFloor = 1024 * 1024;
    std::uint32_t size = PoolSize();
    if (size <= kFloor || poolTop_ >= size / 4) return;
    std::uint32_t smaller = std::max(kFloor, poolTop_ * 2);
    BlockHandle shrunk = heap_.Reallocate(pool_, smaller);
    if (shrunk == 0) return;  // it keeps its room
    pool_ = shrunk;
    poolFree_ = smaller - poolTop_;
}

void UndoStore::PushBlock(std::uint32_t start, std::uint32_t end, BlockHandle block, std::uint32_t length) {
    std::uint32_t offset = poolTop_;
    Push(start, end, reinterpret_cast<const std::uint8_t*>(&block), kBlockRecordBytes);
    records_[steps_ - 1] = UndoRecord{start, end, offset | UndoRecord::kOwnBlock, length};
}

BlockHandle UndoStore::BlockOf(const UndoRecord& record) {
    bool wasLocked = poolBase_ != nullptr;
    BlockHandle block;
    std::memcpy(&block, LockPool() + (record.textOffset & ~UndoRecord::kOwnBlock), sizeof block);
    if (!wasLocked) UnlockPool();
    return block;
}

BlockHandle UndoStore::TopBlock() { return BlockOf(Top()); }

void UndoStore::PopKeepingBlock() {
    std::uint32_t offset = Top().textOffset & ~UndoRecord::kOwnBlock;
    poolFree_ += poolTop_ - offset;
    poolTop_ = offset;
    --steps_;
}

void UndoStore::Pop() {
    if (Top().OwnsBlock()) heap_.Free(TopBlock());
    PopKeepingBlock();
}

}  // namespace velmo
