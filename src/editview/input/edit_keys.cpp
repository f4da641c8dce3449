#include "editview/input/edit_keys.h"

#include "editview/control_state.h"
#include "editview/edit_operations.h"
#include "editview/input/clipboard.h"
#include "editview/input/navigation.h"
#include "editview/notifications.h"
#include "editview/view/caret.h"

namespace velmo {

namespace {

bool Held(int key) { return (GetKeyState(key) & 0x80) != 0; }

// Insert toggles overwrite mode; the caret is one pixel wider while it is on,
// and the parent hears of it so that it can show the mode at once.
void ToggleOverwrite() {
    EditControl& c = Control();
    c.store.overwrite = !c.store.overwrite;
    c.view.caretWidth += c.store.overwrite ? 1 : -1;
    if (c.focused) {
        DestroyCaret();
        CreateViewCaret();
    }
    SendCaretPosition();
}

}  // namespace

void HandleEditKey(WPARAM key) {
    bool ctrl = Held(VK_CONTROL);
    bool shift = Held(VK_SHIFT);
    switch (key) {
    case VK_BACK: TypeDeletionKey(8, ctrl); break;
    case VK_DELETE: TypeDeletionKey(127, ctrl); break;
    case VK_INSERT:
        if (ctrl) {
            CopySelection();
        } else if (shift) {
            Paste();
        } else {
            ToggleOverwrite();
        }
        break;
    case VK_CAPITAL:
    case VK_NUMLOCK: SendCaretPosition(); break;
    default: HandleNavigationKey(key, ctrl, shift); break;
    }
}

}  // namespace velmo
