#include "settings/language_menu.h"

#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/language_names.h"

namespace velmo {

namespace {

// Commands 10000-19999 leave room for this many libraries.
constexpr std::uint32_t kMaxLibraries = kLastLanguageId - kFirstLanguageId + 1;

void Check(HMENU menu, UINT command, bool on) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// Calls visit(name) for each file matching `pattern` until it returns false.
template <typename Visit>
void ForEachFile(const char* pattern, Visit visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
        if (!visit(found.cFileName)) break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void ClearLanguageMenu(LanguageState& state) {
    for (UINT i = 0; i < state.languageMenuItems; ++i) DeleteMenu(state.languageMenu, 0, MF_BYPOSITION);
    state.languageMenuItems = 0;
    state.list.Release();
}

void ListLibraries(LanguageList& list, const char* pattern) {
    std::uint32_t count = 0;
    ForEachFile(pattern, [&count](const char*) { return ++count < kMaxLibraries; });
    if (!list.Reset(count)) return;
    ForEachFile(pattern, [&list](const char* name) { return list.Append(name); });
}

void AddLanguageItems(LanguageState& state) {
    for (std::uint32_t i = 0; i < state.list.Count(); ++i) {
        const char* name = state.list.NameOf(kFirstLanguageId + i);
        char text[kMaxPath];
        LanguageMenuText(text, sizeof text, name);
        UINT flags = MF_STRING | (SameFileName(name, state.fileName) ? MF_CHECKED : MF_UNCHECKED);
        if (AppendMenuA(state.languageMenu, flags, kFirstLanguageId + i, text)) ++state.languageMenuItems;
    }
}

// Puts the new library's main menu on the window in place of the old one.
// Without a menu in the library the old menu stays.
HMENU ReplaceMainMenu(HWND mainWindow) {
    HMENU menu = LoadMenuA(Language().module, MAKEINTRESOURCEA(IDR_MAINMENU));
    if (menu == nullptr) return nullptr;
    HMENU old = GetMenu(mainWindow);
    SetMenu(mainWindow, menu);
    if (old != nullptr) DestroyMenu(old);
    return menu;
}

}  // namespace

void ApplyMenuChecks(HMENU mainMenu, const MenuChecks& checks) {
    Check(mainMenu, IDM_WORD_WRAP, checks.wordWrap);
    Check(mainMenu, IDM_STATUS_BAR, checks.statusBar);
    Check(mainMenu, IDM_LINE_NUMBERS, checks.lineNumbers);
    Check(mainMenu, IDM_CONTROL_CHARS, checks.controlChars);
    Check(mainMenu, IDM_FULL_SCREEN, checks.fullScreen);
    Check(mainMenu, IDM_STAY_ON_TOP, checks.stayOnTop);
    Check(mainMenu, IDM_CENTER_AFTER_FIND, checks.centerAfterFind);
}

bool CreateExtraMenus(HMENU mainMenu) {
    LanguageState& state = Language();
    char text[kMaxPath];
    if (state.trayMenu != nullptr) DestroyMenu(state.trayMenu);
    state.trayMenu = CreatePopupMenu();
    LoadLanguageString(IDS_TRAY_RESTORE, text, sizeof text);
    AppendMenuA(state.trayMenu, MF_STRING, IDM_TRAY_RESTORE, text);
    LoadLanguageString(IDS_TRAY_LEAVE, text, sizeof text);
    AppendMenuA(state.trayMenu, MF_STRING, IDM_TRAY_LEAVE, text);

    state.languageMenu = CreatePopupMenu();
    state.languageMenuItems = 0;
    LoadLanguageString(IDS_LANGUAGE_MENU, text, sizeof text);
    UINT flags = MF_BYCOMMAND | MF_POPUP | MF_STRING;
    if (InsertMenuA(mainMenu, IDM_STAY_ON_TOP, flags, reinterpret_cast<UINT_PTR>(state.languageMenu), text)) {
        return true;
    }
    DestroyMenu(state.languageMenu);
    state.languageMenu = nullptr;
    return false;
}

HMENU TrayMenu() { return Language().trayMenu; }

HMENU LanguageMenu() { return Language().languageMenu; }

void RebuildLanguageMenu(const char* programFolder) {
    LanguageState& state = Language();
    if (state.languageMenu == nullptr) return;
    ClearLanguageMenu(state);
    char pattern[kMaxPath];
    if (!BuildLibraryPattern(pattern, sizeof pattern, programFolder)) return;
    ListLibraries(state.list, pattern);
    AddLanguageItems(state);
}

bool SwitchLanguage(HWND mainWindow, const char* programFolder, std::uint32_t identifier, std::uint32_t* language,
                    const MenuChecks& checks, const LanguageSwitchHooks& hooks) {
    LanguageState& state = Language();
    const char* chosen = state.list.NameOf(identifier);
    if (chosen == nullptr) return false;
    HMODULE old = state.module;
    if (LoadLanguageFile(mainWindow, programFolder, chosen) == nullptr) return false;
    *language = SavedLanguageFor(state.fileName);
    if (old != nullptr) FreeLibrary(old);

    HMENU menu = ReplaceMainMenu(mainWindow);
    if (menu != nullptr) {
        if (hooks.insertRecentItems != nullptr) hooks.insertRecentItems(menu);
        CreateExtraMenus(menu);
        DrawMenuBar(mainWindow);
    }
    if (hooks.writeLanguage != nullptr) hooks.writeLanguage(*language);
    if (menu != nullptr) ApplyMenuChecks(menu, checks);
    if (hooks.refreshStatus != nullptr) hooks.refreshStatus();
    return true;
}

}  // namespace velmo
