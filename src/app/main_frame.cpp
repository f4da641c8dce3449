#include "app/main_frame.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/confirm_discard.h"
#include "app/layout.h"
#include "settings/message_boxes.h"
#include "app/status_bar.h"
#include "app/view_hook.h"
#include "app/window_modes.h"
#include "app/shared_placement.h"
#include "documents/document_files.h"
#include "documents/playback.h"
#include "printing/page_setup.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "search/find_commands.h"
#include "settings/language_library.h"
#include "settings/language_menu.h"
#include "settings/logical_font.h"
#include "settings/private_profile.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"

namespace velmo {

namespace {

constexpr int kFileMenu = 0;
constexpr int kEditMenu = 1;
constexpr int kOptionsMenu = 5;

HWND CreateEditView(HWND main) {
    return CreateWindowExA(WS_EX_ACCEPTFILES, kEditViewClassName, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, main,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditViewId)), App().instance, nullptr);
}

LRESULT Create(HWND window) {
    AppState& app = App();
    app.mainWindow = window;
    app.editView = CreateEditView(window);
    if (app.editView == nullptr) {
        ShowErrorBox(window, IDS_NO_EDIT_CONTROL);
        return -1;
    }
    HookEditView(app.editView);
    ConnectDocuments();
    app.font.record = FontRecordFromSettings(app.settings);
    app.font.handle = CreateFontFromRecord(app.font.record);
    if (app.font.handle != nullptr) {
        SendMessageA(app.editView, WM_SETFONT, reinterpret_cast<WPARAM>(app.font.handle), FALSE);
    }
    CreateExtraMenus(GetMenu(window));
    SendDisplaySettings(app.editView, app.settings);
    PrepareFileDialogs();
    PrepareTrayIcon(app.icon);
    SetTimer(window, kKeyboardTimer, kKeyboardTimerPeriod, KeyboardTimer);
    return 0;
}

// The placement saved at exit: the one any running copy recorded last, or
// this window's own when no placement is shared.
Placement ExitPlacement(HWND window) {
    const Settings& s = App().settings;
    Placement placement{s.x, s.y, s.width, s.height};
    if (!ReadSharedPlacement(&placement)) WindowNormalPlacement(window, &placement);
    return placement;
}

void Destroy(HWND window) {
    StopPlayback();
    AppState& app = App();
    SaveExitSettings(*app.profile, app.settings, ExitPlacement(window));
    RemoveTrayIcon();
    if (app.icon != nullptr) DestroyIcon(app.icon);
    app.icon = nullptr;
    if (app.font.handle != nullptr) DeleteObject(app.font.handle);
    app.font.handle = nullptr;
    ReleasePageSetup(&app.pageSetup);
    Language().list.Release();
    ReleaseSharedPlacement();
    KillTimer(window, kKeyboardTimer);
    app.statusBar = nullptr;
    PostQuitMessage(0);
}

void InitMenuPopup(HMENU popup, int position) {
    AppState& app = App();
    HMENU menu = GetMenu(app.mainWindow);
    if (popup == LanguageMenu()) {
        RebuildLanguageMenu(app.paths.folder);
        return;
    }
    if (GetSubMenu(menu, position) != popup) return;
    if (position == kFileMenu) {
        bool modified = SendMessageA(app.editView, EM_GETMODIFY, 0, 0) != 0;
        EnableMenuItem(menu, IDM_SAVE, MF_BYCOMMAND | (modified ? MF_ENABLED : MF_GRAYED));
    } else if (position == kEditMenu) {
        UpdateEditMenu(menu);
    } else if (position == kOptionsMenu) {
        bool any = app.settings.mruCount != 0;
        EnableMenuItem(menu, IDM_CLEAR_RECENT, MF_BYCOMMAND | (any ? MF_ENABLED : MF_GRAYED));
    }
}

LRESULT Command(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        RunCommand(LOWORD(wParam));
        return 0;
    }
    if (LOWORD(wParam) == kEditViewId) return HandleEditNotification(HIWORD(wParam));
    return 0;
}

bool QueryEndSession() {
    if (!ConfirmDiscard()) return false;
    AppState& app = App();
    SaveExitSettings(*app.profile, app.settings, ExitPlacement(app.mainWindow));
    return true;
}

}  // namespace

bool RegisterMainFrameClass(HINSTANCE instance, HICON icon) {
    // A class left by an earlier main window of this process takes this icon.
    UnregisterClassA(kMainClassName, instance);
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainFrameProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = App().arrowCursor;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kMainClassName;
    return RegisterClassA(&wc) != 0;
}

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    AppState& app = App();
    if (message == app.findReplaceMessage && message != 0) {
        HandleFindRequest(Finder(), lParam);
        return 0;
    }
    switch (message) {
        case WM_CREATE: return Create(window);
        case WM_SIZE:
            RecordSize(window, wParam);
            LayOut(wParam, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOVE: RecordPosition(window, app.normalState, app.settings.fullScr != 0); return 0;
        case WM_ACTIVATE:
            // Not when losing activation: that would pull it back from the find dialog.
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(app.editView);
            return 0;
        case WM_COMMAND: return Command(wParam, lParam);
        case EVN_CARETPOS:
            app.caretLine = static_cast<std::uint32_t>(wParam) + 1;
            app.caretColumn = static_cast<std::uint32_t>(lParam) + 1;
            UpdateStatus(app.caretLine, app.caretColumn);
            return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) == 0) InitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam));
            return 0;
        case WM_DROPFILES: OpenDroppedFile(reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_INPUTLANGCHANGE: InputLanguageChanged(static_cast<std::uint8_t>(wParam)); return 1;
        case WM_SYSCOMMAND: TrackSysCommand(wParam); break;
        case kTrayMessage: TrayIconEvent(wParam, lParam); return 0;
        case WM_CLOSE:
            if (ConfirmDiscard()) DestroyWindow(window);
            return 0;
        case WM_QUERYENDSESSION: return QueryEndSession() ? 1 : 0;
        case WM_DESTROY: Destroy(window); return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace velmo
