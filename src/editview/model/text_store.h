#pragma once
// The document as the control holds it: its bytes, its line layout, the
// selection and caret, the document flags and the edit histories. Windows-free, so that it can be
// tested on its own; the control's window procedure drives it.
//
// The line layout is the line table while word wrap is off and the row table
// while it is on; only the one in force is kept. Every query answers from it,
// by binary search. "Rows" are the view's rows: lines with wrap off.
#include <cstdint>

#include "common/memory_blocks.h"
#include "editview/model/line_table.h"
#include "editview/model/row_table.h"
#include "editview/model/text_buffer.h"
#include "editview/model/undo_store.h"
#include "editview/view/row_breaker.h"

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
    // Puts a text read from a file and the line table built while it was
    // read in place of the document (the rows are built from it with word
    // wrap on). All or nothing: false, with the document as it was and the
    // block and table still the caller's, when the rows cannot be built. The
    // previous text block is left to the caller.
    bool AdoptLoaded(BlockHandle block, std::uint32_t length, const LineTable& lines);
    // These replace the document and so empty both histories.
    // Replaces the document by a fresh empty one. New blocks are taken before
    // the old ones go, and if none can be had the current blocks are emptied.
    void ResetEmpty();

    // Puts `block`, holding `length` bytes, in place of the text block (kept
    // locked when it was) with the layout of the mode in force built for it,
    // and returns the former block. All or nothing: 0, with the text and its
    // layout as they were and `block` still the caller's, when the layout
    // cannot be built.
    BlockHandle ExchangeText(BlockHandle block, std::uint32_t length);

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

    // EVM_SETWORDWRAP. On breaks the text into rows for `widths` and
    // `wrapWidth`; off builds the line table again. The old layout goes only
    // once the new one is built: when it cannot be, the mode stays and the
    // result is false.
    bool SetWordWrap(bool on, const CharWidthTable& widths, std::uint32_t wrapWidth);
    // Breaks all rows again for new measurements (font, margins, width,
    // control characters). Keeps the old rows and measurements when the new
    // ones cannot be built, and then returns false. Nothing to do with wrap off.
    bool Rewrap(const CharWidthTable& widths, std::uint32_t wrapWidth);
    bool WordWrap() const { return wrap_; }
    // The measurements the rows were broken with.
    WrapRules Rules() const { return WrapRules{&wrapWidths_, wrapWidth_}; }
    RowTable& Rows() { return rows_; }
    const RowTable& Rows() const { return rows_; }

    std::uint32_t Length() const { return buffer_.length; }
    // Logical lines, whatever the wrap mode.
    std::uint32_t LineCount() const { return wrap_ ? rows_.logicalCount : lines_.logicalCount; }
    std::uint32_t LineIndex(std::uint32_t line) const;
    std::uint32_t LineFromOffset(std::uint32_t offset) const;
    std::uint32_t LineSize(std::uint32_t line) const { return wrap_ ? rows_.LineSize(line) : lines_.LineSize(line); }
    // The end of the logical line holding `offset`, before its break (the
    // text's end on the last line).
    std::uint32_t LineTextEnd(std::uint32_t offset) const;

    // The view's rows: visual rows with wrap on, lines with wrap off.
    std::uint32_t RowCount() const { return wrap_ ? rows_.count : lines_.count; }
    std::uint32_t LastRow() const { return RowCount() - 1; }
    std::uint32_t RowStart(std::uint32_t row) const { return wrap_ ? rows_.Start(row) : lines_.Start(row); }
    std::uint32_t RowFromOffset(std::uint32_t offset) const;
    std::uint32_t LineOfRow(std::uint32_t row) const { return wrap_ ? rows_.LineOfRow(row) : row; }
    // Bytes of a row as shown: a line break counts only while control
    // characters are shown or on the last row; 0 beyond the last row.
    std::uint32_t RowTextLength(std::uint32_t row) const;

    std::uint32_t CaretLine() const { return caretLine_; }
    std::uint32_t CaretColumn() const { return caretColumn_; }
    // With wrap on the caret's visual row and its offset in that row; with
    // wrap off the same as caret line and column.
    std::uint32_t CaretRow() const { return caretRow_; }
    std::uint32_t RowColumn() const { return rowColumn_; }
    // Recomputes caret line, column, row and row column from the caret offset.
    void PlaceCaretPosition();
    // The same, with the caret shown on `row` when it stands at that row's
    // end (with wrap on also the next row's start); else as above.
    void PlaceCaretOnRow(std::uint32_t row);
    // Releases every block lock an interrupted operation may have left.
    void UnlockAll();

    bool modified = false;
    bool overwrite = false;
    bool showControlChars = false;

private:
    void ResetEditingState();
    void EmptyInPlace();
    bool BuildLayout(const std::uint8_t* text, std::uint32_t length);
    // Takes `block`, holding `length` bytes, as the text block (unlocked).
    void UseBlock(BlockHandle block, std::uint32_t length);
    // The layout of the mode in force for a new text, the line table in its
    // own block; false when it cannot be built, and then RestoreLayout puts
    // the former text's back once that text is in place again.
    bool RebuildLayout();
    void RestoreLayout();
    void FreeLayout();

    BlockHeap& heap_;
    TextBuffer buffer_;
    LineTable lines_;
    UndoStore undo_;
    UndoStore redo_;
    Selection sel_;
    RowTable rows_;
    bool wrap_ = false;
    CharWidthTable wrapWidths_;
    std::uint32_t wrapWidth_ = 0;
    std::uint32_t caretLine_ = 0;
    std::uint32_t caretColumn_ = 0;
    std::uint32_t caretRow_ = 0;
    std::uint32_t rowColumn_ = 0;
};

// The text buffer stays locked for one operation.
class BufferLock {
public:
    explicit BufferLock(TextStore& store) : store_(store) { store_.Buffer().Lock(store_.Heap()); }
    ~BufferLock() { store_.Buffer().Unlock(store_.Heap()); }
    BufferLock(const BufferLock&) = delete;
    BufferLock& operator=(const BufferLock&) = delete;
    std::uint8_t* Bytes() const { return store_.Buffer().base; }

private:
    TextStore& store_;
};

}  // namespace velmo
