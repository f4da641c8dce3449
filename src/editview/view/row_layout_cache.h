#pragma once
// One RowLayout record per view row (record k belongs to the line first
// visible line + k), so that painting and caret placement never measure a
// line from its start twice. The cache is sized from the rows the view shows;
// a row it cannot hold is laid out afresh each time it is asked for.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/view/row_layout.h"

namespace velmo {

class RowLayoutCache {
public:
    explicit RowLayoutCache(BlockHeap& heap) : heap_(heap) {}
    ~RowLayoutCache();
    RowLayoutCache(const RowLayoutCache&) = delete;
    RowLayoutCache& operator=(const RowLayoutCache&) = delete;

    // Holds `rows` records (the view's touched rows), all not computed. The
    // new block is taken before the old one goes: on failure the old records
    // stay (not computed) and the result is false.
    bool Resize(std::uint32_t rows);
    std::uint32_t Capacity() const { return capacity_; }

    void InvalidateAll();
    // Records [first, first + n) become not computed (clipped to the cache).
    void InvalidateRows(std::uint32_t first, std::uint32_t n);
    // The view scrolled down one line: records 1 .. full rows move up by one.
    void ShiftUp(std::uint32_t fullRows);
    // The view scrolled up one line: records 0 .. full rows - 1 move down by one.
    void ShiftDown(std::uint32_t fullRows);

    // The record of view row `index`, computed first when needed; it becomes
    // the current record. A row outside the cache is computed but not kept.
    const RowLayout& Load(std::int64_t index, LineBytes line, const LayoutFrame& frame);
    const RowLayout& Current() const { return current_; }
    // The stored record of view row `index`; null outside the cache.
    const RowLayout* Peek(std::uint32_t index) const { return index < capacity_ ? &records_[index] : nullptr; }

    // Computes every record of rows [0, touchedRows) not computed yet;
    // lineAt(k) gives the bytes of the line shown in view row k.
    template <typename LineAt>
    void LayOutVisibleRows(std::uint32_t touchedRows, LineAt lineAt, const LayoutFrame& frame) {
        for (std::uint32_t k = 0; k < touchedRows && k < capacity_; ++k) {
            if (!records_[k].Computed()) records_[k] = ComputeRowLayout(lineAt(k), frame);
        }
    }

    // Moves every computed record from scroll offset `oldOffset` to the
    // frame's offset.
    template <typename LineAt>
    void ScrollHorizontally(std::uint32_t touchedRows, LineAt lineAt, std::uint64_t oldOffset,
                            const LayoutFrame& frame) {
        for (std::uint32_t k = 0; k < touchedRows && k < capacity_; ++k) {
            ScrollRowLayout(&records_[k], lineAt(k), oldOffset, frame);
        }
    }

private:
    BlockHeap& heap_;
    BlockHandle block_ = 0;
    RowLayout* records_ = nullptr;
    std::uint32_t capacity_ = 0;
    RowLayout current_;
};

}  // namespace velmo
