#pragma once
// The application's process-wide record: the program's paths, its settings,
// the windows of the main frame and the document's name. One instance, as
// there is one main window per process.
#include <windows.h>
#include <shellapi.h>
#include <commdlg.h>

#include <cstdint>

#include "app/program_paths.h"
#include "app/title_rules.h"
#include "search/find_commands.h"
#include "settings/option_commands.h"
#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

constexpr UINT kTrayMessage = WM_USER + 100;
constexpr UINT_PTR kKeyboardTimer = 1;
constexpr UINT kKeyboardTimerPeriod = 100;
constexpr int kStatusBarId = 200;
constexpr std::size_t kCodePageTextSize = 21;  // 20 bytes of digits at most

struct AppState {
    HINSTANCE instance = nullptr;
    ProgramPaths paths;
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    Settings settings{};
    ProfileAccess* profile = nullptr;
    std::uint32_t language = 10001;

    HWND mainWindow = nullptr;
    HWND editView = nullptr;
    WNDPROC editViewProc = nullptr;  // the control's own procedure behind ViewHook
    HWND statusBar = nullptr;
    HACCEL accelerators = nullptr;
    HWND findDialog = nullptr;       // the open find or replace dialog
    UINT findReplaceMessage = 0;     // "commdlg_FindReplace"
    HCURSOR arrowCursor = nullptr;
    HCURSOR waitCursor = nullptr;
    HICON icon = nullptr;  // the window's and the notification area's; ours, so it outlives a language switch
    EditingFont font{};
    PAGESETUPDLGA pageSetup{};       // filled at the first page setup or print

    char documentPath[kMaxPath] = "";
    bool untitled = true;
    char title[kTitleBufferSize] = "";
    std::uint32_t selectionStart = 0;
    std::uint32_t selectionEnd = 0;
    std::uint32_t caretLine = 1;    // 1-based, as last reported
    std::uint32_t caretColumn = 1;

    bool normalState = true;        // neither maximised nor minimised
    NOTIFYICONDATAA trayIcon{};
    bool trayIconShown = false;
    char codePage[kCodePageTextSize] = "";
};

AppState& App();

// The option commands' view of the record; the menu is read from the window
// each time, since a language switch replaces it.
OptionContext Options();
// The find commands' view of the record.
FindContext Finder();

// Gives the documents side its view of the record, once the windows exist.
void ConnectDocuments();

}  // namespace velmo
