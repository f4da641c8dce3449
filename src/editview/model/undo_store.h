#pragma once
// One edit history (the undo or the redo side): a stack of records whose
// removed texts lie back to back in a text pool. Each record keeps its text's
// length, so texts holding NUL bytes come back whole. A record may instead
// own a whole former text in a block of its own (the pool keeps its handle),
// so that stepping back over a whole-text rewrite exchanges blocks rather
// than copying the text twice.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

// Taking a step back selects [start, end) and replaces it with the text.
struct UndoRecord {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t textOffset = 0;  // in the text pool; kOwnBlock set: where the block's handle is
    std::uint32_t textLength = 0;

    static constexpr std::uint32_t kOwnBlock = 0x80000000u;
    bool OwnsBlock() const { return (textOffset & kOwnBlock) != 0; }
};

class UndoStore {
public:
    // Growth steps; a large array or pool grows by an eighth instead. A pool
    // over 1 MiB that holds less than a quarter of its size, once unlocked,
    // shrinks to twice what it holds (1 MiB at least), so that the texts of
    // steps taken back are not kept twice.
    static constexpr std::uint32_t kRecordStep = 10000;  // records per array growth
    static constexpr std::uint32_t kPoolStep = 65536;    // bytes per pool growth
    // Pool offsets stay below UndoRecord::kOwnBlock.
    static constexpr std::uint32_t kMaxPool = UndoRecord::kOwnBlock - 1;
    // What Reserve needs for a record owning a block.
    static constexpr std::uint32_t kBlockRecordBytes = sizeof(BlockHandle);

    explicit UndoStore(BlockHeap& heap) : heap_(heap) {}

    // The initial blocks; all or nothing.
    bool Create();
    void Destroy();
    // Forgets every step and frees the blocks records own; the record array
    // keeps its size.
    void Clear();

    std::uint32_t Steps() const { return steps_; }
    // Makes room for one more record with a text of `length` bytes, so that
    // the next Push cannot fail. False when a block cannot grow; the records
    // held stay as they are.
    bool Reserve(std::uint32_t length);
    // Files a record; Reserve must have succeeded for it.
    void Push(std::uint32_t start, std::uint32_t end, const std::uint8_t* text, std::uint32_t length);
    // The latest record (Steps() > 0) and its text, valid until the next
    // Push, Reserve or Clear; the pool stays locked until UnlockPool.
    const UndoRecord& Top() const { return records_[steps_ - 1]; }
    const std::uint8_t* LockTopText();
    void UnlockPool();
    void Pop();
    // Files a record owning `block`, which holds the `length` bytes of its
    // text; Reserve(kBlockRecordBytes) must have succeeded.
    void PushBlock(std::uint32_t start, std::uint32_t end, BlockHandle block, std::uint32_t length);
    // The block the latest record owns (Top().OwnsBlock()), and the record
    // dropped without freeing it, the caller having taken it.
    BlockHandle TopBlock();
    void PopKeepingBlock();
    // Moves the end of the latest record, for an edit that learns how much
    // text it put in place only after it recorded what it removed.
    void SetTopEnd(std::uint32_t end) { records_[steps_ - 1].end = end; }

    // Sizes as they stand, for tests and the benchmark.
    std::uint32_t RecordCapacity() const { return recordCapacity_; }
    std::uint32_t PoolSize() const { return poolTop_ + poolFree_; }

private:
    bool GrowRecords();
    bool GrowPool(std::uint32_t length);
    std::uint8_t* LockPool();
    void ShrinkPool();
    BlockHandle BlockOf(const UndoRecord& record);

    BlockHeap& heap_;
    BlockHandle recordBlock_ = 0;  // fixed
    BlockHandle pool_ = 0;         // movable, locked only while in use
    UndoRecord* records_ = nullptr;
    std::uint8_t* poolBase_ = nullptr;
    std::uint32_t recordCapacity_ = 0;
    std::uint32_t steps_ = 0;
    std::uint32_t poolTop_ = 0;
    std::uint32_t poolFree_ = 0;
};

}  // namespace velmo
