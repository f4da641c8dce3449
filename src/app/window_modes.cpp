#include "app/window_modes.h"

#include "app/app_state.h"
#include "resource_ids.h"
#include "settings/language_menu.h"

namespace velmo {

void TrackSysCommand(WPARAM command) {
    AppState& app = App();
    switch (command & 0xFFF0) {
        case SC_MAXIMIZE:
            app.settings.maximized = 1;
            app.normalState = false;
            break;
        case SC_RESTORE:
            app.settings.maximized = 0;
            app.normalState = true;
            break;
        case SC_MINIMIZE:
            app.settings.maximized = 0;
            app.normalState = false;
            break;
        default: break;
    }
}

void PrepareTrayIcon(HICON icon) {
    AppState& app = App();
    NOTIFYICONDATAA& record = app.trayIcon;
    record = NOTIFYICONDATAA{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = app.mainWindow;
    record.uID = 0;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayMessage;
    record.hIcon = icon;
    BoundedCopy(record.szTip, sizeof record.szTip, "Velmo 2");
}

void HideToTray() {
    AppState& app = App();
    // Without an icon there would be no way back to a hidden window.
    if (app.trayIconShown || !Shell_NotifyIconA(NIM_ADD, &app.trayIcon)) return;
    app.trayIconShown = true;
    ShowWindow(app.mainWindow, SW_HIDE);
}

void RemoveTrayIcon() {
    AppState& app = App();
    if (!app.trayIconShown) return;
    Shell_NotifyIconA(NIM_DELETE, &app.trayIcon);
    app.trayIconShown = false;
}

void RestoreFromTray() {
    ShowWindow(App().mainWindow, SW_RESTORE);
    RemoveTrayIcon();
}

void LeaveFromTray() {
    // Shown first, so that the save question has a window to return to
    // when the user cancels it.
    RestoreFromTray();
    SendMessageA(App().mainWindow, WM_CLOSE, 0, 0);
}

void TrayIconEvent(WPARAM icon, LPARAM mouseMessage) {
    if (icon != 0) return;
    HWND main = App().mainWindow;
    if (mouseMessage == WM_RBUTTONUP) {
        POINT at{};
        GetCursorPos(&at);
        SetForegroundWindow(main);
        TrackPopupMenu(TrayMenu(), TPM_RIGHTBUTTON, at.x, at.y, 0, main, nullptr);
        PostMessageA(main, WM_NULL, 0, 0);
    } else if (mouseMessage == WM_LBUTTONDOWN) {
        RestoreFromTray();
    }
}

}  // namespace velmo
