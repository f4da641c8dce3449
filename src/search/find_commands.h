#pragma once
// The find and replace commands of the main window (1 find, 2 find next
// down, 3 replace, 8 find next up). The dialogs are still to come: until
// then the commands change nothing.
#include <windows.h>

namespace velmo {

void RunFindCommand(unsigned command);

// The registered "commdlg_FindReplace" message from the open dialog.
void HandleFindReplaceMessage(LPARAM findReplace);

}  // namespace velmo
