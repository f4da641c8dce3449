#include "editview/view/row_rewrap.h"

#include <cstring>

#include "common/word_shift.h"

namespace velmo {

namespace {

// The text as it will read after the edit, without making it.
struct EditedText {
    const std::uint8_t* old;
    const TextChange& edit;
    std::uint8_t operator[](std::uint32_t i) const {
        if (i < edit.start) return old[i];
        std::uint32_t inEdit = i - edit.start;
        if (inEdit < edit.inserted) return edit.text[inEdit];
        return old[i - edit.inserted + edit.removed];
    }
};

// The old offsets whose logical lines an edit can change: those from the edit
// start to the first byte behind the removed ones. A CR just before the edit
// lies in the line of the edit start (a line start follows an LF), so a pair
// it makes or loses stays inside; but an LF just behind the edit that loses
// its CR joins the next line to this one, so that line is touched too.
ByteSpan TouchedOffsets(const std::uint8_t* oldText, std::uint32_t oldLength, const TextChange& edit) {
    std::uint32_t last = edit.start + edit.removed;
    if (last < oldLength && oldText[last] == '\n') ++last;
    return ByteSpan{edit.start, last};
}

}  // namespace

bool PrepareRewrap(BlockHeap& heap, RowTable* table, const std::uint8_t* oldText, std::uint32_t oldLength,
                   const TextChange& edit, const WrapRules& rules, RewrapPlan* plan) {
    if (edit.start > oldLength || edit.removed > oldLength - edit.start) return false;
    ByteSpan touched = TouchedOffsets(oldText, oldLength, edit);
    RewrapPlan p;
    p.firstLine = table->LineFromOffset(touched.start);
    std::uint32_t lastLine = table->LineFromOffset(touched.end);
    p.oldLines = lastLine - p.firstLine + 1;
    p.firstRow = table->FirstRowOfLine(p.firstLine);
    p.endRow = table->FirstRowOfLine(lastLine + 1);
    p.regionStart = table->Start(p.firstRow);
    p.regionEndsText = p.endRow == table->count;
    std::int64_t end = std::int64_t{table->Start(p.endRow)} + edit.inserted - edit.removed;
    if (end > 0xFFFFFFFFll) return false;  // offsets are 32-bit
    p.newRegionEnd = static_cast<std::uint32_t>(end);
    std::uint64_t rows = 0;
    p.newLines = BreakRows(EditedText{oldText, edit}, p.regionStart, p.newRegionEnd, p.regionEndsText, p.firstLine,
                           rules, [&rows](std::uint32_t, std::uint32_t) { ++rows; });
    std::uint64_t oldRows = p.endRow - p.firstRow;
    std::uint64_t total = std::uint64_t{table->count} - oldRows + rows;
    if (total >= 0xFFFFFFFFu) return false;
    if (rows > oldRows && !table->Reserve(heap, (rows - oldRows) * sizeof(RowEntry))) return false;
    p.newRows = static_cast<std::uint32_t>(rows);
    *plan = p;
    return true;
}

void FinishRewrap(RowTable* table, const std::uint8_t* newText, const RewrapPlan& plan, const WrapRules& rules) {
    RowEntry* entries = table->entries;
    std::uint32_t tail = table->count + 1 - plan.endRow;  // rows behind the touched lines and the closing entry
    std::uint32_t newEndRow = plan.firstRow + plan.newRows;
    if (newEndRow != plan.endRow) std::memmove(entries + newEndRow, entries + plan.endRow, tail * sizeof(RowEntry));
    std::uint32_t byteShift = plan.newRegionEnd - table->Start(newEndRow);  // modulo 2^32: may be negative
    std::uint32_t lineShift = plan.newLines - plan.oldLines;
    AddToWords(entries + newEndRow, 2 * std::size_t{tail}, byteShift, lineShift);
    std::uint32_t row = plan.firstRow;
    BreakRows(ByteText{newText}, plan.regionStart, plan.newRegionEnd, plan.regionEndsText, plan.firstLine, rules,
              [&](std::uint32_t start, std::uint32_t line) { entries[row++] = RowEntry{start, line}; });
    std::int64_t grown = std::int64_t{plan.newRows} - (plan.endRow - plan.firstRow);
    table->count = static_cast<std::uint32_t>(table->count + grown);
    table->last = table->count - 1;
    table->logicalCount += lineShift;
    table->free = static_cast<std::uint32_t>(table->free - grown * static_cast<std::int64_t>(sizeof(RowEntry)));
}

}  // namespace velmo
