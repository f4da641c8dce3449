#pragma once
// Every change the control makes to its document in small steps: typing in
// insert and overwrite mode, Enter, Backspace and Delete (by words with
// Ctrl), replacing the selection, undo and redo. Each edit that is made
// writes one undo step; each one that fails changes nothing at all.
#include <cstdint>

#include "editview/model/edit_events.h"
#include "editview/model/layout_keeper.h"
#include "editview/model/line_table_patch.h"
#include "editview/model/row_table_keeper.h"
#include "editview/model/text_store.h"

namespace velmo {

enum class EditResult {
    Done,               // changed, with its history record
    DoneWithoutRecord,  // changed; the histories could not take the record and were emptied
    NothingChanged,     // nothing to do (Backspace at offset 0 still counts as an edit)
    Refused,            // the caret stands inside a shown line break
    Cancelled,          // the parent answered IDNO to the full-history question
    NoTextSpace,        // EN_MAXTEXT was sent
    NoTableSpace,       // EN_ERRSPACE was sent for the line table
};

// Whether the edit could not be made: refused by the parent or out of memory.
inline bool Failed(EditResult result) {
    return result == EditResult::Cancelled || result == EditResult::NoTextSpace ||
           result == EditResult::NoTableSpace;
}

class Editor {
public:
    Editor(TextStore& store, EditEvents& events) : store_(store), events_(events) {}

    // WM_CHAR for every code but 8 and 127, and the Backspace (8) and Delete
    // (127) keys; Ctrl makes those two delete by words.
    EditResult Type(std::uint8_t code, bool ctrlHeld);
    // EM_REPLACESEL with an explicit length: the text is left selected with
    // the caret after it. Without recording, the histories are emptied, since
    // their offsets would no longer fit the text.
    EditResult ReplaceSelection(const std::uint8_t* text, std::uint32_t length, bool recordUndo);
    // WM_CLEAR and the second half of WM_CUT.
    EditResult DeleteSelection() { return ReplaceSelection(nullptr, 0, true); }

    EditResult Undo();  // EM_UNDO
    EditResult Redo();  // EVM_REDO
    std::uint32_t UndoSteps() const { return store_.Undo().Steps(); }  // EM_CANUNDO
    std::uint32_t RedoSteps() const { return store_.Redo().Steps(); }  // EVM_CANREDO
    // EM_EMPTYUNDOBUFFER.
    void EmptyHistories();

private:
    enum class Record { Simple, Replacement, Skipped };
    enum class SelectAfter { Collapsed, Inserted };
    struct Edit {
        std::uint32_t start, end;
        const std::uint8_t* text;
        std::uint32_t length;
        Record record;
        SelectAfter select;
    };

    EditResult TypeByte(std::uint8_t byte);
    EditResult Enter();
    EditResult Backspace(bool ctrlHeld);
    EditResult DeleteForward(bool ctrlHeld);
    EditResult NothingToDelete();

    EditResult Apply(const Edit& edit);
    EditResult StepBack(UndoStore& from, UndoStore& to, bool (EditEvents::*allowWithoutRecord)());
    EditResult ExchangeWholeText(UndoStore& from, UndoStore& to, bool (EditEvents::*allowWithoutRecord)());
    EditResult MakeRoom(const TextChange& change);
    void Commit(const TextChange& change, SelectAfter select);
    void FinishEdit();

    const std::uint8_t* Bytes() const { return store_.Buffer().base; }
    bool HasSelection() const { return store_.Sel().start != store_.Sel().end; }
    bool InsideShownBreak(std::uint32_t offset) const;
    bool IsBreakByte(std::uint32_t offset) const;
    bool IsBreakAt(std::uint32_t offset) const;
    std::uint32_t WordStart(std::uint32_t offset) const;
    std::uint32_t WordEnd(std::uint32_t offset) const;

    TextStore& store_;
    EditEvents& events_;
    // The keeper of the store's word-wrap mode, chosen at each edit.
    LayoutKeeper& Layout();

    LineTablePatch unwrapped_;
    RowTableKeeper wrapped_;
};

}  // namespace velmo
