#include "editview/edit_operations.h"

#include <cstring>

#include "editview/control_state.h"
#include "editview/model/fault_guard.h"
#include "editview/notifications.h"

namespace velmo {

namespace {

const char* ReplaceFaultText() { return Control().store.WordWrap() ? "Error 4" : "Error 3"; }

// Runs one edit with the busy flag set. After a fault the blocks the edit had
// locked are unlocked and the flag cleared before the fault is reported, so
// that painting and closing still work.
template <typename Edit>
void RunEdit(const char* faultText, Edit edit) {
    EditControl& c = Control();
    c.busy = true;
    bool faulted = RunGuarded(edit);
    c.busy = false;
    if (faulted) {
        c.store.UnlockAll();
        ReportFault(faultText);
    }
}

// Runs a replacement whose text is measured inside the fault guard, since a
// caller's pointer may be bad. 0 when the edit could not be made, else 1.
template <typename Measure>
LRESULT ReplaceGuarded(const std::uint8_t* text, bool recordUndo, Measure measure) {
    EditResult result = EditResult::Cancelled;
    auto replace = [text, recordUndo, measure, &result] {
        std::uint32_t length = text != nullptr ? measure() : 0;
        result = Control().editor.ReplaceSelection(text, length, recordUndo);
    };
    RunEdit(ReplaceFaultText(), replace);
    return Failed(result) ? 0 : 1;
}

}  // namespace

LRESULT TypeCharacter(WPARAM code) {
    // A key sent while an edit waits for the parent's answer (another thread's
    // keys arrive inside the question's message loop) would start an edit
    // inside the edit.
    if (code == 8 || code == 127 || Control().busy) return 0;
    auto type = [code] { Control().editor.Type(static_cast<std::uint8_t>(code), false); };
    RunEdit("Error 2", type);
    return 0;
}

void TypeDeletionKey(std::uint8_t code, bool ctrlHeld) {
    auto type = [code, ctrlHeld] { Control().editor.Type(code, ctrlHeld); };
    RunEdit("Error 2", type);
}

LRESULT ReplaceSelectionText(WPARAM recordUndo, LPARAM text) {
    const char* chars = reinterpret_cast<const char*>(text);
    auto measure = [chars] { return static_cast<std::uint32_t>(std::strlen(chars)); };
    return ReplaceGuarded(reinterpret_cast<const std::uint8_t*>(chars), recordUndo != 0, measure);
}

LRESULT ReplaceSelectionBytes(const std::uint8_t* text, std::uint32_t length, bool recordUndo) {
    return ReplaceGuarded(text, recordUndo, [length] { return length; });
}

LRESULT UndoEdit() {
    auto undo = [] { Control().editor.Undo(); };
    RunEdit(ReplaceFaultText(), undo);
    return 0;
}

LRESULT RedoEdit() {
    auto redo = [] { Control().editor.Redo(); };
    RunEdit(ReplaceFaultText(), redo);
    return 0;
}

}  // namespace velmo
