#pragma once
// What editing tells the control's window side. Each edit that changes the
// text calls, in this order: TextEdited (repaint), TextChanged (EN_CHANGE),
// then sets the modified flag, then CaretMoved (EVN_CARETPOS). Failures call
// one of the Out... members or ask one of the Allow... questions, and an edit
// that fails sends nothing else.
#include <cstdint>

namespace velmo {

// Where an edit changed the text, so that the view repaints no more than it
// must: rows firstRow .. lastRow when no row was added or removed, else from
// firstRow down. Offsets, line and rows are those after the edit.
struct EditedSpan {
    std::uint32_t offset = 0;
    std::uint32_t line = 0;
    std::uint32_t removed = 0;   // bytes taken out at offset
    std::uint32_t inserted = 0;  // bytes put in at offset
    bool linesChanged = false;   // rows were added or removed
    std::uint32_t firstRow = 0, lastRow = 0;  // the view's rows that show changed text
};

class EditEvents {
public:
    virtual ~EditEvents() = default;
    virtual void TextEdited(const EditedSpan& span) = 0;
    // EN_CHANGE.
    virtual void TextChanged() = 0;
    // EVN_CARETPOS with the caret line and column of the store; the caret is
    // to be scrolled into view first.
    virtual void CaretMoved() = 0;
    // EN_MAXTEXT: the text cannot grow; the edit is not made.
    virtual void OutOfTextSpace() = 0;
    // EN_ERRSPACE: the line table cannot grow (the edit is not made), or the
    // undo history cannot take a typed key's record (the edit is made and
    // both histories are emptied).
    virtual void OutOfTableSpace() = 0;
    // EVN_UNDOFULL: the undo history cannot take a replacement's record (or
    // a redo's). False (the parent answered IDNO) cancels the edit; true
    // makes it without a record and empties both histories (for a redo: the
    // undo history).
    virtual bool AllowWithoutUndo() = 0;
    // EVN_REDOFULL: the redo history cannot take an undo's record. False
    // cancels the undo; true undoes without a record and empties the redo
    // history.
    virtual bool AllowWithoutRedo() = 0;
};

}  // namespace velmo
