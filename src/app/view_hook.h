#pragma once
// The main window's subclass of the edit control: dropped files, the lock
// indicators and the context menu, before the control's own handling.
#include <windows.h>

namespace velmo {

void HookEditView(HWND editView);

}  // namespace velmo
