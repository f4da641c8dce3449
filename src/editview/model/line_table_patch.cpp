#include "editview/model/line_table_patch.h"

#include <algorithm>
#include <cstring>

#include "common/word_shift.h"
#include "editview/model/line_scan.h"
#include "editview/model/text_store.h"

namespace velmo {

namespace {

bool IsBreak(std::uint8_t first, std::uint8_t second) { return first == '\r' && second == '\n'; }

// Line breaks the changed region will hold: those inside the new text and
// those formed across its edges with the bytes that stay before and after.
std::uint32_t BreaksAcross(const TextBuffer& buffer, const TextChange& change) {
    std::uint32_t end = change.start + change.removed;
    bool hasBefore = change.start > 0;
    bool hasAfter = end < buffer.length;
    const std::uint8_t* text = change.text;
    std::uint32_t n = change.inserted;
    if (n == 0) return hasBefore && hasAfter && IsBreak(buffer.base[change.start - 1], buffer.base[end]) ? 1 : 0;
    std::uint32_t breaks = CountLineBreaks(text, n);
    if (hasBefore && IsBreak(buffer.base[change.start - 1], text[0])) ++breaks;
    if (hasAfter && IsBreak(text[n - 1], buffer.base[end])) ++breaks;
    return breaks;
}

}  // namespace

bool LineTablePatch::Prepare(TextStore& store, const TextChange& change) {
    const TextBuffer& buffer = store.Buffer();
    const LineTable& lines = store.Lines();
    std::uint32_t end = change.start + change.removed;
    // A break whose CR is at start - 1 .. end - 1 loses a byte or is split;
    // its line starts at start + 1 .. end + 1.
    firstLine_ = lines.LineFromOffset(change.start);
    lastLine_ = lines.LineFromOffset(end < buffer.length ? end + 1 : end);
    removed_ = lastLine_ - firstLine_;
    added_ = BreaksAcross(buffer, change);
    if (added_ <= removed_) return true;
    std::uint64_t bytes = 4 * std::uint64_t{added_ - removed_};
    return bytes <= 0xFFFFFFFFu && store.Lines().Reserve(store.Heap(), static_cast<std::uint32_t>(bytes));
}

std::uint32_t LineTablePatch::Apply(TextStore& store, const TextChange& change) {
    LineTable& lines = store.Lines();
    std::uint32_t* entries = lines.entries;
    std::uint32_t first = firstLine_ + 1;  // first entry replaced
    std::uint32_t tail = lastLine_ + 1;    // first entry kept behind them
    std::uint32_t tailCount = lines.last + 2 - tail;  // sentinel included
    std::uint32_t to = first + added_;
    if (to != tail) std::memmove(entries + to, entries + tail, std::size_t{tailCount} * 4);
    std::uint32_t delta = change.inserted - change.removed;  // modulo 2^32
    AddToWords(entries + to, tailCount, delta, delta);

    // The breaks whose CR lies at start - 1 .. start + inserted - 1.
    const TextBuffer& buffer = store.Buffer();
    std::uint32_t scanStart = change.start > 0 ? change.start - 1 : 0;
    auto scanEnd = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{change.start} + change.inserted + 1, buffer.length));
    if (scanEnd > scanStart) {
        std::uint32_t listed = ListLineStarts(buffer.base + scanStart, scanEnd - scanStart, entries + first);
        for (std::uint32_t i = first; i < first + listed; ++i) entries[i] += scanStart;
    }
    lines.last = lines.last + added_ - removed_;
    lines.count = lines.logicalCount = lines.last + 1;
    lines.free = lines.free + 4 * removed_ - 4 * added_;
    lastWritten_ = firstLine_ + added_;
    return firstLine_;
}

}  // namespace velmo
