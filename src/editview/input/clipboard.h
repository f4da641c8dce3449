#pragma once
// Text exchange with the system clipboard. The selection goes out as CF_TEXT
// (its bytes and one zero byte) and, so that NUL bytes survive a copy and
// paste inside the editor, also under a private format that carries its
// length. Paste prefers the private format and otherwise takes CF_TEXT up to
// its first zero byte.
#include <windows.h>

namespace velmo {

// WM_COPY: 0 nothing selected, -1 no memory, 2 clipboard unavailable, 1 copied.
LRESULT CopySelection();
// WM_CUT: the copy's answer on failure; 0 after the selection was deleted.
LRESULT CutSelection();
// WM_PASTE: replaces the selection by the clipboard's text; always 0.
LRESULT Paste();
// WM_CLEAR: deletes the selection; always 0.
LRESULT ClearSelection();

}  // namespace velmo
