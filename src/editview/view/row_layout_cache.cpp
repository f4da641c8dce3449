#include "editview/view/row_layout_cache.h"

#include <algorithm>

namespace velmo {

RowLayoutCache::~RowLayoutCache() { heap_.Free(block_); }

bool RowLayoutCache::Resize(std::uint32_t rows) {
    if (rows == capacity_) {
        InvalidateAll();
        return true;
    }
    BlockHandle block = heap_.Allocate(std::uint64_t{rows} * sizeof(RowLayout), false);
    if (block == 0) {
        InvalidateAll();
        return false;
    }
    heap_.Free(block_);
    block_ = block;
    records_ = reinterpret_cast<RowLayout*>(heap_.Lock(block));
    capacity_ = rows;
    std::fill(records_, records_ + capacity_, RowLayout{});
    return true;
}

void RowLayoutCache::InvalidateAll() { InvalidateRows(0, capacity_); }

void RowLayoutCache::InvalidateRows(std::uint32_t first, std::uint32_t n) {
    if (first >= capacity_) return;
    std::uint32_t end = first + std::min(n, capacity_ - first);
    std::fill(records_ + first, records_ + end, RowLayout{});
}

void RowLayoutCache::ShiftUp(std::uint32_t fullRows) {
    if (fullRows == 0 || capacity_ == 0) return InvalidateAll();
    std::uint32_t moved = std::min(fullRows, capacity_ - 1);
    std::copy(records_ + 1, records_ + 1 + moved, records_);
    InvalidateRows(moved, capacity_);
}

void RowLayoutCache::ShiftDown(std::uint32_t fullRows) {
    if (fullRows == 0 || capacity_ == 0) return InvalidateAll();
    std::uint32_t moved = std::min(fullRows, capacity_ - 1);
    std::copy_backward(records_, records_ + moved, records_ + moved + 1);
    records_[0] = RowLayout{};
    InvalidateRows(moved + 1, capacity_);
}

const RowLayout& RowLayoutCache::Load(std::int64_t index, LineBytes line, const LayoutFrame& frame) {
    if (index < 0 || index >= capacity_) {
        current_ = ComputeRowLayout(line, frame);
        return current_;
    }
    RowLayout& record = records_[index];
    if (!record.Computed()) record = ComputeRowLayout(line, frame);
    current_ = record;
    return current_;
}

}  // namespace velmo
