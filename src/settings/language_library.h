#pragma once
// The current language library: a resource-only DLL in "Languages\" beside
// the program, loaded as a data file after its version record is checked.
// One process-wide record holds it; the main window reaches it through the
// functions below.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "common/text_utils.h"
#include "settings/language_list.h"

namespace velmo {

struct LanguageState {
    HMODULE module = nullptr;            // the current library
    char fileName[kMaxPath] = "English.dll";
    bool libraryLoaded = false;          // false until start-up has loaded one
    LanguageList list{SystemHeap()};     // files behind the Language menu items
    HMENU languageMenu = nullptr;        // the Language submenu of the main menu
    UINT languageMenuItems = 0;          // items the last rebuild added
    HMENU trayMenu = nullptr;            // notification-area menu (700, 701)
};

// The process-wide record.
LanguageState& Language();

// Frees the library, the notification-area menu and the list, and returns
// the record to its state before start-up.
void ReleaseLanguage();

// Message boxes go through this hook so that tests never block on them.
using LanguageMessageBox = int (*)(HWND owner, const char* text, const char* caption, UINT type);
LanguageMessageBox SetLanguageMessageBox(LanguageMessageBox box);

// True only when the file's version record holds
// "\StringFileInfo\041B04E4\FileVersion" equal to "1.0.2.8".
bool CheckLibraryVersion(HWND owner, const char* path);

// Checks and loads programFolder + "Languages\" + fileName; on success it
// becomes the current library under that file name. Failures are reported
// in an error box (wrong version owned by `owner`, loading error unowned).
HMODULE LoadLanguageFile(HWND owner, const char* programFolder, const char* fileName);

// LoadLanguageFile for the file a saved "Language" identifier maps to.
HMODULE LoadLanguageLibrary(HWND owner, const char* programFolder, std::uint32_t identifier);

// Start-up: the saved language, else "English.dll" with *language set to
// 10001. False after a fatal message: the program must end.
bool StartLanguage(const char* programFolder, std::uint32_t* language);

// String `id` of the current library (empty when it has none).
bool LoadLanguageString(UINT id, char* dst, std::size_t dstSize);

}  // namespace velmo
