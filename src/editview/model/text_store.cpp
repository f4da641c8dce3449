#include "editview/model/text_store.h"

#include <algorithm>

#include "editview/view/row_table_builder.h"

namespace velmo {

namespace {

// The text for one layout build; a lock an edit in progress holds stays held.
class TextRead {
public:
    TextRead(TextBuffer& buffer, BlockHeap& heap)
        : buffer_(buffer), heap_(heap), wasLocked_(buffer.IsLocked()), bytes_(buffer.Lock(heap)) {}
    ~TextRead() {
        if (!wasLocked_) buffer_.Unlock(heap_);
    }
    TextRead(const TextRead&) = delete;
    TextRead& operator=(const TextRead&) = delete;
    const std::uint8_t* Bytes() const { return bytes_; }

private:
    TextBuffer& buffer_;
    BlockHeap& heap_;
    bool wasLocked_;
    const std::uint8_t* bytes_;
};

}  // namespace

bool TextStore::Create() {
    BlockHandle text = heap_.Allocate(kGrowthStep, true);
    if (text == 0) return false;
    LineTable table;
    if (!AllocateEmptyLineTable(heap_, kGrowthStep, &table)) {
        heap_.Free(text);
        return false;
    }
    if (!undo_.Create() || !redo_.Create()) {
        undo_.Destroy();
        heap_.Free(table.handle);
        heap_.Free(text);
        return false;
    }
    buffer_ = TextBuffer{text, nullptr, 0, kGrowthStep};
    lines_ = table;
    ResetEditingState();
    return true;
}

void TextStore::Destroy() {
    buffer_.Unlock(heap_);
    heap_.Free(buffer_.handle);
    FreeLayout();
    undo_.Destroy();
    redo_.Destroy();
    buffer_ = TextBuffer{};
    wrap_ = false;
}

void TextStore::FreeLayout() {
    heap_.Free(lines_.handle);
    heap_.Free(rows_.handle);
    lines_ = LineTable{};
    rows_ = RowTable{};
}

// Builds the layout of the mode in force for text[0, length) and, once it is
// complete, puts it in place of the old one. False (old layout kept) when it
// cannot be built.
bool TextStore::BuildLayout(const std::uint8_t* text, std::uint32_t length) {
    if (wrap_) return RebuildRowTable(heap_, text, length, Rules(), &rows_);
    LineTable table;
    if (!BuildLineTable(heap_, text, length, &table)) return false;
    heap_.Free(lines_.handle);
    lines_ = table;
    return true;
}

void TextStore::ResetEditingState() {
    modified = false;
    sel_ = Selection{};
    caretLine_ = caretColumn_ = caretRow_ = rowColumn_ = 0;
    undo_.Clear();
    redo_.Clear();
}

void TextStore::EmptyInPlace() {
    buffer_.Unlock(heap_);
    buffer_.length = 0;
    buffer_.free = heap_.Size(buffer_.handle);
    if (wrap_) {
        rows_.MakeEmpty();
    } else {
        lines_.MakeEmpty();
    }
    ResetEditingState();
}

void TextStore::ResetEmpty() {
    BlockHandle text = heap_.Allocate(kGrowthStep, true);
    LineTable table;
    RowTable rows;
    bool tableMade = wrap_ ? AllocateEmptyRowTable(heap_, kGrowthStep, &rows)
                           : AllocateEmptyLineTable(heap_, kGrowthStep, &table);
    if (text == 0 || !tableMade) {
        heap_.Free(text);
        heap_.Free(table.handle);
        heap_.Free(rows.handle);
        EmptyInPlace();
        return;
    }
    buffer_.Unlock(heap_);
    heap_.Free(buffer_.handle);
    FreeLayout();
    buffer_ = TextBuffer{text, nullptr, 0, kGrowthStep};
    lines_ = table;
    rows_ = rows;
    ResetEditingState();
}

void TextStore::UseBlock(BlockHandle block, std::uint32_t length) {
    buffer_.Unlock(heap_);
    buffer_ = TextBuffer{block, nullptr, length, heap_.Size(block) - length};
}

bool TextStore::SetText(BlockHandle block, std::uint32_t length) {
    if (block == 0) {
        ResetEmpty();
        return true;
    }
    // A caller's length can never reach past its block.
    length = std::min(length, heap_.Size(block));
    if (heap_.Size(block) - length < kGrowthStep) {
        BlockHandle grown = heap_.Reallocate(block, std::uint64_t{length} + kGrowthStep);
        if (grown != 0) block = grown;
    }
    if (length == 0) {
        UseBlock(block, 0);
        EmptyInPlace();
        return true;
    }
    bool built = BuildLayout(heap_.Lock(block), length);
    heap_.Unlock(block);
    UseBlock(block, built ? length : 0);
    if (!built) {
        ResetEmpty();
        return false;
    }
    ResetEditingState();
    return true;
}

bool TextStore::AdoptLoaded(BlockHandle block, std::uint32_t length, const LineTable& lines) {
    RowTable rows;
    if (wrap_) {
        const std::uint8_t* text = heap_.Lock(block);
        bool built = BuildRowTable(heap_, text, length, Rules(), &rows);
        heap_.Unlock(block);
        if (!built) return false;
    }
    FreeLayout();
    UseBlock(block, length);
    if (wrap_) {
        heap_.Free(lines.handle);
        rows_ = rows;
    } else {
        lines_ = lines;
    }
    ResetEditingState();
    return true;
}

BlockHandle TextStore::ExchangeText(BlockHandle block, std::uint32_t length) {
    const BlockHandle former = buffer_.handle;
    const std::uint32_t formerLength = buffer_.length;
    const bool wasLocked = buffer_.IsLocked();
    UseBlock(block, length);
    if (RebuildLayout()) {
        if (wasLocked) buffer_.Lock(heap_);
        return former;
    }
    UseBlock(former, formerLength);
    RestoreLayout();
    if (wasLocked) buffer_.Lock(heap_);
    return 0;
}

bool TextStore::RebuildLayout() {
    TextRead text(buffer_, heap_);
    if (wrap_) return RebuildRowTable(heap_, text.Bytes(), buffer_.length, Rules(), &rows_);
    return RefillLineTable(heap_, text.Bytes(), buffer_.length, &lines_);
}

// The rows were kept when they could not be built again; the line table
// lost its entries, and the former text's lines fit the block they were in.
void TextStore::RestoreLayout() {
    if (wrap_) return;
    TextRead text(buffer_, heap_);
    (void)RefillLineTable(heap_, text.Bytes(), buffer_.length, &lines_);
}

bool TextStore::SetWordWrap(bool on, const CharWidthTable& widths, std::uint32_t wrapWidth) {
    if (on == wrap_) return true;
    if (on) {
        RowTable rows;
        WrapRules rules{&widths, wrapWidth};
        if (!BuildRowTable(heap_, TextRead(buffer_, heap_).Bytes(), buffer_.length, rules, &rows)) return false;
        FreeLayout();
        rows_ = rows;
        wrapWidths_ = widths;
        wrapWidth_ = wrapWidth;
        wrap_ = true;
    } else {
        LineTable table;
        if (!BuildLineTable(heap_, TextRead(buffer_, heap_).Bytes(), buffer_.length, &table)) return false;
        FreeLayout();
        lines_ = table;
        wrap_ = false;
    }
    PlaceCaretPosition();
    return true;
}

bool TextStore::Rewrap(const CharWidthTable& widths, std::uint32_t wrapWidth) {
    if (!wrap_) return true;
    WrapRules rules{&widths, wrapWidth};
    if (!RebuildRowTable(heap_, TextRead(buffer_, heap_).Bytes(), buffer_.length, rules, &rows_)) return false;
    wrapWidths_ = widths;
    wrapWidth_ = wrapWidth;
    PlaceCaretPosition();
    return true;
}

void TextStore::SetSelection(std::uint32_t start, std::uint32_t end) {
    std::uint32_t length = buffer_.length;
    if (start == 0 && end == 0xFFFFFFFFu) {
        sel_ = Selection{0, length, 0, 0, length};
    } else if (start == 0xFFFFFFFFu) {
        sel_.start = sel_.end = sel_.anchor = sel_.caret;
    } else {
        if (start > end) std::swap(start, end);
        start = std::min(start, length);
        end = std::min(end, length);
        sel_ = Selection{start, end, end, start, end};
    }
    PlaceCaretPosition();
}

std::uint32_t TextStore::PackedSelection() const {
    if (sel_.start > 0xFFFF || sel_.end > 0xFFFF) return 0xFFFFFFFFu;
    return sel_.end << 16 | sel_.start;
}

std::uint32_t TextStore::LineIndex(std::uint32_t line) const {
    if (wrap_) return rows_.LineStart(line);
    return line > lines_.last ? kNoLine : lines_.Start(line);
}

std::uint32_t TextStore::LineFromOffset(std::uint32_t offset) const {
    return wrap_ ? rows_.LineFromOffset(offset) : lines_.LineFromOffset(offset);
}

std::uint32_t TextStore::LineTextEnd(std::uint32_t offset) const {
    std::uint32_t line = LineFromOffset(offset);
    if (line + 1 == LineCount()) return buffer_.length;
    return LineIndex(line + 1) - 2;
}

std::uint32_t TextStore::RowFromOffset(std::uint32_t offset) const {
    return wrap_ ? rows_.RowFromOffset(offset) : lines_.LineFromOffset(offset);
}

std::uint32_t TextStore::RowTextLength(std::uint32_t row) const {
    return wrap_ ? rows_.RowTextLength(row, showControlChars) : lines_.LineTextLength(row, showControlChars);
}

void TextStore::PlaceCaretPosition() {
    caretRow_ = RowFromOffset(sel_.caret);
    rowColumn_ = sel_.caret - RowStart(caretRow_);
    caretLine_ = LineOfRow(caretRow_);
    caretColumn_ = sel_.caret - LineIndex(caretLine_);
}

void TextStore::PlaceCaretOnRow(std::uint32_t row) {
    PlaceCaretPosition();
    if (row > LastRow() || sel_.caret < RowStart(row) || sel_.caret > RowStart(row) + RowTextLength(row)) return;
    caretRow_ = row;
    rowColumn_ = sel_.caret - RowStart(row);
}

void TextStore::UnlockAll() {
    buffer_.Unlock(heap_);
    undo_.UnlockPool();
    redo_.UnlockPool();
}

}  // namespace velmo
