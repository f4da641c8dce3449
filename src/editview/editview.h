#pragma once
// EditView, the editor's own text control. One instance per process, created
// as a child window of the class "velmoedit" and driven only by messages.
#include <windows.h>

#include "editview/editview_messages.h"

namespace velmo {

// Registers the window class; call once at start-up.
bool RegisterEditViewClass(HINSTANCE instance);

// The control's message handler, as EVM_GETDISPATCHPROC returns it: calling it
// directly is the same as sending the message, on the control's own thread.
LRESULT CALLBACK EditViewDispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows "Error 1" .. "Error 4" after a fault; tests replace it so that no
// message box waits for a click. Returns the previous reporter.
using FaultReporter = void (*)(HWND owner, const char* text);
FaultReporter SetFaultReporter(FaultReporter reporter);

}  // namespace velmo
