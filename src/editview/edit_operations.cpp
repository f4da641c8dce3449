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

// 0 when the edit could not be made (out of memory, or refused by the
// parent at the full-history question), else 1.
LRESULT ReplaceSelectionText(WPARAM recordUndo, LPARAM text) {
    EditResult result = EditResult::Cancelled;
    auto replace = [recordUndo, text, &result] {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text);
        auto length = static_cast<std::uint32_t>(bytes != nullptr ? std::strlen(reinterpret_cast<const char*>(bytes)) : 0);
        result = Control().editor.ReplaceSelection(bytes, length, recordUndo != 0);
    };
    RunEdit(ReplaceFaultText(), replace);
    bool failed = result == EditResult::Cancelled || result == EditResult::NoTextSpace ||
                  result == EditResult::NoTableSpace;
    return failed ? 0 : 1;
}

void ReplaceSelectionBytes(const std::uint8_t* text, std::uint32_t length) {
    auto replace = [text, length] { Control().editor.ReplaceSelection(text, length, true); };
    RunEdit(ReplaceFaultText(), replace);
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
