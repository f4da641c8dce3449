#pragma once
// The find and replace commands of the main window: the system's modeless
// find (1) and replace (3) dialogs, and find next down (2) and up (8)
// without a dialog. Every request, from a dialog or from find next, comes
// as the registered "commdlg_FindReplace" message, which HandleFindRequest
// turns into EVM_SEARCH for the edit control.
#include <windows.h>

#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

// What the find commands use of the application.
struct FindContext {
    HWND mainWindow = nullptr;
    HWND editView = nullptr;
    // "FindCase" and "FindDirection", and the find and replacement texts,
    // which the dialogs edit in place.
    Settings* settings = nullptr;
    ProfileAccess* profile = nullptr;  // where the dialog's choices are written at once
    HWND* dialog = nullptr;            // the open dialog, null when none is open
};

void RunFindCommand(const FindContext& context, unsigned command);

// The registered message, with the address of the find-replace record.
void HandleFindRequest(const FindContext& context, LPARAM findReplace);

}  // namespace velmo
