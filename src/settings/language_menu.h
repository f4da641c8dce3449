#pragma once
// The menus that depend on the language library: the Language submenu with
// one item per library file, the notification-area menu, and the switch of
// the whole main menu to another language at run time.
#include <windows.h>

#include <cstdint>

namespace velmo {

// Option check marks a newly loaded main menu must show again.
struct MenuChecks {
    bool wordWrap = false;
    bool statusBar = false;
    bool lineNumbers = false;
    bool controlChars = false;
    bool fullScreen = false;
    bool stayOnTop = false;
    bool centerAfterFind = false;
};

// Steps of a language switch that belong to other parts of the program; any
// of them may be null.
struct LanguageSwitchHooks {
    void (*insertRecentItems)(HMENU mainMenu) = nullptr;  // recent files into the new menu
    void (*writeLanguage)(std::uint32_t language) = nullptr;  // the "Language" key
    void (*refreshStatus)() = nullptr;  // status-bar texts of the new language
};

void ApplyMenuChecks(HMENU mainMenu, const MenuChecks& checks);

// Creates the notification-area menu (strings 2 and 3 for commands 700 and
// 701) and an empty Language submenu (string 19) placed in front of command
// 500 of `mainMenu`. False when the submenu could not be placed.
bool CreateExtraMenus(HMENU mainMenu);

// The notification-area menu and the Language submenu made by CreateExtraMenus.
HMENU TrayMenu();
HMENU LanguageMenu();

// Lists programFolder + "Languages\*.dll" into the Language submenu as
// commands 10000, 10001, ... and checks the current library's item. Called
// when the submenu is about to open.
void RebuildLanguageMenu(const char* programFolder);

// Menu command `identifier` (10000-19999): loads the library listed under it
// and, on success, puts its main menu on `mainWindow`. *language becomes the
// identifier to save for that library. False when nothing changed (the old
// library stays in force).
bool SwitchLanguage(HWND mainWindow, const char* programFolder, std::uint32_t identifier, std::uint32_t* language,
                    const MenuChecks& checks, const LanguageSwitchHooks& hooks);

}  // namespace velmo
