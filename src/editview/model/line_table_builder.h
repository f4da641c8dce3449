#pragma once
// Builds a line table while its text arrives in pieces, as a file is read:
// each piece is scanned for line breaks right after it lands, while it is
// still in the cache, so that loading reads every byte once. The table's
// block starts from a guess and doubles when the lines outgrow it.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/model/line_table.h"

namespace velmo {

class LineTableBuilder {
public:
    explicit LineTableBuilder(BlockHeap& heap) : heap_(heap) {}
    ~LineTableBuilder() { heap_.Free(table_.handle); }
    LineTableBuilder(const LineTableBuilder&) = delete;
    LineTableBuilder& operator=(const LineTableBuilder&) = delete;

    // A table for a text of about `length` bytes. False without memory.
    bool Start(std::uint32_t length);
    // text[0, end) has arrived: lists the breaks not listed yet. False when
    // the table cannot grow; the builder is then of no further use.
    bool Add(const std::uint8_t* text, std::uint32_t end);
    // The table of the whole text, text[0, end), with at least 64 KiB free
    // behind its sentinel; the caller owns it then. False without memory.
    bool Finish(std::uint32_t end, LineTable* table);

private:
    bool Resize(std::uint64_t size);

    BlockHeap& heap_;
    LineTable table_;
    std::uint32_t breaks_ = 0;   // entries 1 .. breaks_ are listed
    std::uint32_t scanned_ = 0;  // bytes whose breaks are listed
};

}  // namespace velmo
