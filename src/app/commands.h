#pragma once
// The main window's command table: menus, accelerators and the
// notification-area menu; and the edit control's notifications.
#include <windows.h>

namespace velmo {

void RunCommand(unsigned command);

// WM_COMMAND from the edit control: returns the answer the control asked
// for (the button chosen for a full history), else 0.
LRESULT HandleEditNotification(WORD code);

// Enables and greys the edit commands in `menu` (the edit menu or the
// context menu).
void UpdateEditMenu(HMENU menu);

}  // namespace velmo
