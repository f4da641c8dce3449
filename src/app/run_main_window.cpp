#include "app/run_main_window.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/layout.h"
#include "app/main_frame.h"
#include "settings/message_boxes.h"
#include "settings/placement_rules.h"
#include "app/shared_placement.h"
#include "app/status_bar.h"
#include "app/title.h"
#include "documents/command_line.h"
#include "documents/document_files.h"
#include "documents/recent_files.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/language_menu.h"
#include "settings/settings_validation.h"

namespace velmo {

namespace {

constexpr DWORD kExtendedControlClasses = 0x1FC0;

// Another running copy's placement moved 30 pixels, so that the new window
// does not cover it; the first copy publishes its own.
void SharePlacement() {
    AppState& app = App();
    Settings& s = app.settings;
    Placement last{};
    if (AttachSharedPlacement({s.x, s.y, s.width, s.height}, &last) != PlacementSharing::kJoined) return;
    s.x = last.x;
    s.y = last.y;
    s.width = last.width;
    s.height = last.height;
    ValidateSettings(s, app.screenWidth, app.screenHeight);
    Placement shifted = CascadeFrom({s.x, s.y, s.width, s.height}, app.screenWidth, app.screenHeight);
    s.x = shifted.x;
    s.y = shifted.y;
    s.width = shifted.width;
    s.height = shifted.height;
}

HWND CreateMainFrame(HMENU menu) {
    AppState& app = App();
    const Settings& s = app.settings;
    DWORD extended = WS_EX_ACCEPTFILES | (s.stayOnTop != 0 ? WS_EX_TOPMOST : 0);
    DWORD style = s.fullScr != 0 ? WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    return CreateWindowExA(extended, kMainClassName, kProductName, style, s.x, s.y, s.width, s.height, nullptr, menu,
                           app.instance, nullptr);
}

void Check(HMENU menu, UINT command, std::int32_t on) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (on != 0 ? MF_CHECKED : MF_UNCHECKED));
}

// The document named on the command line, if any; true when it was loaded.
bool LoadCommandLineDocument(const char* commandLine) {
    char path[kMaxPath];
    switch (ParseCommandLine(commandLine, path)) {
        case CommandLinePath::kTooLong:
            ShowStringBox(nullptr, IDS_PATH_TOO_LONG, IDS_NOTICE_CAPTION, MB_OK);
            return false;
        case CommandLinePath::kFound: return LoadDocument(path);
        case CommandLinePath::kNone: return false;
    }
    return false;
}

}  // namespace

HWND StartMainWindow(const char* commandLine, int showMode) {
    AppState& app = App();
    INITCOMMONCONTROLSEX controls{sizeof controls, kExtendedControlClasses};
    InitCommonControlsEx(&controls);
    app.findReplaceMessage = RegisterWindowMessageA(FINDMSGSTRINGA);
    app.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    app.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
    HMODULE library = Language().module;
    // A copy of the library's icon, not the library's shared one, which would
    // go when a language switch frees the library.
    app.icon =
        static_cast<HICON>(LoadImageA(library, MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    RegisterMainFrameClass(app.instance, app.icon);
    HMENU menu = LoadMenuA(library, MAKEINTRESOURCEA(IDR_MAINMENU));
    app.accelerators = LoadAcceleratorsA(library, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    SharePlacement();

    const Settings& s = app.settings;
    Check(menu, IDM_CENTER_AFTER_FIND, s.centerVertAfterFind);
    Check(menu, IDM_FULL_SCREEN, s.fullScr);
    Check(menu, IDM_STAY_ON_TOP, s.stayOnTop);
    HWND main = CreateMainFrame(menu);
    if (main == nullptr) {
        if (menu != nullptr) DestroyMenu(menu);
        return nullptr;
    }
    InsertRecentItems(menu);
    if (s.status != 0) {
        CreateStatusBar();
        Relayout();
    }
    Check(menu, IDM_WORD_WRAP, s.wrap);
    Check(menu, IDM_LINE_NUMBERS, s.lineNumbers);
    Check(menu, IDM_CONTROL_CHARS, s.controlChars);
    SendMessageA(app.editView, EM_SETMODIFY, 0, 0);
    SendMessageA(app.editView, EM_EMPTYUNDOBUFFER, 0, 0);
    if (!LoadCommandLineDocument(commandLine)) {
        SetUntitledTitle();
        SendMessageA(main, WM_COMMAND, IDM_NEW, 0);
    }
    ShowWindow(main, showMode);
    UpdateWindow(main);
    return main;
}

int RunMessageLoop() {
    AppState& app = App();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (app.findDialog != nullptr && IsDialogMessageA(app.findDialog, &message)) continue;
        if (app.accelerators != nullptr && TranslateAcceleratorA(app.mainWindow, app.accelerators, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunMainWindow(HINSTANCE instance, const char* commandLine, int showMode) {
    App().instance = instance;
    if (StartMainWindow(commandLine, showMode) == nullptr) return 0;
    return RunMessageLoop();
}

}  // namespace velmo
