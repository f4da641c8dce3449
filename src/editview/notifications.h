#pragma once
// What the control tells its parent.
#include <windows.h>

namespace velmo {

// EVN_CARETPOS with the caret's logical line and column: sent, or posted
// after the whole document was replaced.
void SendCaretPosition();
void PostCaretPosition();

// A WM_COMMAND notification, delivered by calling the parent's window
// procedure directly; returns the parent's answer.
LRESULT NotifyParent(WORD code);

// Reports a fault inside a guarded operation ("Error 1" .. "Error 4") and asks
// the parent to close.
void ReportFault(const char* text);

}  // namespace velmo
