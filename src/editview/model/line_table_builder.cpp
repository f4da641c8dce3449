#include "editview/model/line_table_builder.h"

#include <algorithm>

#include "editview/model/line_scan.h"
#include "editview/model/text_buffer.h"

namespace velmo {

namespace {

// Most texts have lines of more than 16 bytes; a text of shorter ones makes
// the block double a few times.
constexpr std::uint32_t kBytesPerLineGuess = 64;

}  // namespace

bool LineTableBuilder::Start(std::uint32_t length) {
    std::uint64_t entries = std::uint64_t{length} / kBytesPerLineGuess + kGrowthStep / 4;
    return AllocateEmptyLineTable(heap_, static_cast<std::uint32_t>(4 * entries), &table_);
}

bool LineTableBuilder::Resize(std::uint64_t size) {
    if (size > 0xFFFFFFFFu) return false;
    BlockHandle resized = heap_.Reallocate(table_.handle, size);
    if (resized == 0) return false;
    table_.handle = resized;
    table_.entries = reinterpret_cast<std::uint32_t*>(heap_.Lock(resized));
    table_.blockSize = static_cast<std::uint32_t>(size);
    return true;
}

bool LineTableBuilder::Add(const std::uint8_t* text, std::uint32_t end) {
    if (end <= scanned_) return true;
    // A break whose CR ended the last piece has its LF in this one.
    std::uint32_t from = scanned_ > 0 ? scanned_ - 1 : 0;
    std::uint32_t room = table_.blockSize / 4 - 2 - breaks_;  // besides entry 0 and the sentinel
    std::uint32_t* out = table_.entries + 1 + breaks_;
    std::uint32_t found = ListLineStarts(text + from, end - from, out, room);
    if (found > room) {
        // Doubling keeps the copies of a growing block to about its final size.
        std::uint64_t needed = 4 * (std::uint64_t{breaks_} + found + 2);
        if (!Resize(std::max(needed, 2 * std::uint64_t{table_.blockSize}))) return false;
        out = table_.entries + 1 + breaks_;
        ListLineStarts(text + from, end - from, out);
    }
    for (std::uint32_t i = 0; i < found; ++i) out[i] += from;
    breaks_ += found;
    scanned_ = end;
    return true;
}

bool LineTableBuilder::Finish(std::uint32_t end, LineTable* table) {
    std::uint64_t used = 4 * (std::uint64_t{breaks_} + 2);
    std::uint64_t free = table_.blockSize - used;
    // Room to edit in, and no more than that once the guess was far too high.
    if ((free < kGrowthStep || free > used + kGrowthStep) && !Resize(used + kGrowthStep)) {
        if (free < kGrowthStep) return false;
    }
    table_.entries[0] = 0;
    table_.entries[breaks_ + 1] = end;
    table_.last = breaks_;
    table_.count = table_.logicalCount = breaks_ + 1;
    table_.free = static_cast<std::uint32_t>(table_.blockSize - used);
    *table = table_;
    table_ = LineTable{};
    return true;
}

}  // namespace velmo
