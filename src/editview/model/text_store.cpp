#include "editview/model/text_store.h"

#include <algorithm>

namespace velmo {

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
    heap_.Free(lines_.handle);
    undo_.Destroy();
    redo_.Destroy();
    buffer_ = TextBuffer{};
    lines_ = LineTable{};
}

void TextStore::ResetEditingState() {
    modified = false;
    sel_ = Selection{};
    caretLine_ = caretColumn_ = 0;
    undo_.Clear();
    redo_.Clear();
}

void TextStore::EmptyInPlace() {
    buffer_.Unlock(heap_);
    buffer_.length = 0;
    buffer_.free = heap_.Size(buffer_.handle);
    lines_.MakeEmpty();
    ResetEditingState();
}

void TextStore::ResetEmpty() {
    BlockHandle text = heap_.Allocate(kGrowthStep, true);
    LineTable table;
    if (text == 0 || !AllocateEmptyLineTable(heap_, kGrowthStep, &table)) {
        heap_.Free(text);
        EmptyInPlace();
        return;
    }
    buffer_.Unlock(heap_);
    heap_.Free(buffer_.handle);
    heap_.Free(lines_.handle);
    buffer_ = TextBuffer{text, nullptr, 0, kGrowthStep};
    lines_ = table;
    ResetEditingState();
}

bool TextStore::SetText(BlockHandle block, std::uint32_t length) {
    if (block == 0) {
        ResetEmpty();
        return true;
    }
    buffer_.Unlock(heap_);
    // A caller's length can never reach past its block.
    length = std::min(length, heap_.Size(block));
    if (heap_.Size(block) - length < kGrowthStep) {
        BlockHandle grown = heap_.Reallocate(block, std::uint64_t{length} + kGrowthStep);
        if (grown != 0) block = grown;
    }
    buffer_ = TextBuffer{block, nullptr, length, heap_.Size(block) - length};
    if (length == 0) {
        EmptyInPlace();
        return true;
    }
    LineTable table;
    bool built = BuildLineTable(heap_, buffer_.Lock(heap_), length, &table);
    buffer_.Unlock(heap_);
    if (!built) {
        ResetEmpty();
        return false;
    }
    heap_.Free(lines_.handle);
    lines_ = table;
    ResetEditingState();
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

void TextStore::PlaceCaretPosition() {
    caretLine_ = lines_.LineFromOffset(sel_.caret);
    caretColumn_ = sel_.caret - lines_.Start(caretLine_);
}

void TextStore::UnlockAll() {
    buffer_.Unlock(heap_);
    undo_.UnlockPool();
    redo_.UnlockPool();
}

}  // namespace velmo
