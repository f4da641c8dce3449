#pragma once
// The document as the control holds it: its bytes, its line table, the
// selection and caret, the document flags and the edit histories. Windows-free, so that it can be
// tested on its own; the control's window procedure drives it.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/model/line_table.h"
#include "editview/model/text_buffer.h"
#include "editview/model/undo_store.h"

namespace velmo {

constexpr std::uint32_t kNoLine = 0xFFFFFFFFu;  // EM_LINEINDEX beyond the last line

struct Selection {
    std::uint32_t start = 0, end = 0;  // selected range [start, end)
    std::uint32_t caret = 0;           // active end, where the caret stands
    std::uint32_t anchor = 0;          // fixed end
    std::uint32_t lastPaintedCaret = 0;
};

class TextStore {
public:
    explicit TextStore(BlockHeap& heap) : heap_(heap), undo_(heap), redo_(heap) {}

    // The first blocks: an empty 64 KiB text, a 64 KiB table and empty
    // histories. All or nothing.
    bool Create();
    void Destroy();

    // Adopts `block` holding `length` bytes as the document (0: a new empty
    // document). The previous text block is left to the caller. False when no
    // line table could be built; the document is then empty.
    bool SetText(BlockHandle block, std::uint32_t length);
    // Both replace the document and so empty both histories.
    // Replaces the document by a fresh empty one. New blocks are taken before
    // the old ones go, and if none can be had the current blocks are emptied.
    void ResetEmpty();

    // EM_SETSEL: (0, -1) selects all, (-1, any) collapses onto the caret,
    // any other pair selects that range with the caret at its end.
    void SetSelection(std::uint32_t start, std::uint32_t end);
    // EM_GETSEL's result: end << 16 | start, or -1 when either passes 65 535.
    std::uint32_t PackedSelection() const;

    BlockHeap& Heap() { return heap_; }
    TextBuffer& Buffer() { return buffer_; }
    const TextBuffer& Buffer() const { return buffer_; }
    LineTable& Lines() { return lines_; }
    const LineTable& Lines() const { return lines_; }
    const Selection& Sel() const { return sel_; }
    Selection& Sel() { return sel_; }
    UndoStore& Undo() { return undo_; }
    UndoStore& Redo() { return redo_; }
    const UndoStore& Undo() const { return undo_; }
    const UndoStore& Redo() const { return redo_; }

    std::uint32_t Length() const { return buffer_.length; }
    std::uint32_t LineCount() const { return lines_.logicalCount; }
    std::uint32_t LineIndex(std::uint32_t line) const { return line > lines_.last ? kNoLine : lines_.Start(line); }
    std::uint32_t LineFromOffset(std::uint32_t offset) const { return lines_.LineFromOffset(offset); }
    std::uint32_t LineSize(std::uint32_t line) const { return lines_.LineSize(line); }
    std::uint32_t CaretLine() const { return caretLine_; }
    std::uint32_t CaretColumn() const { return caretColumn_; }
    // Recomputes caret line and column from the caret offset.
    void PlaceCaretPosition();
    // Releases every block lock an interrupted operation may have left.
    void UnlockAll();

    bool modified = false;
    bool overwrite = false;
    bool showControlChars = false;

private:
    void ResetEditingState();
    void EmptyInPlace();

    BlockHeap& heap_;
    TextBuffer buffer_;
    LineTable lines_;
    UndoStore undo_;
    UndoStore redo_;
    Selection sel_;
    std::uint32_t caretLine_ = 0;
    std::uint32_t caretColumn_ = 0;
};

}  // namespace velmo
