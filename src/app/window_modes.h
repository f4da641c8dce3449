#pragma once
// Whether the main window is maximised, and hiding it into the
// notification area.
#include <windows.h>

namespace velmo {

// WM_SYSCOMMAND, before default processing: maximise, restore and minimise
// decide "Maximized" and whether moves are recorded.
void TrackSysCommand(WPARAM command);

// Fills the notification-area icon record for the main window.
void PrepareTrayIcon(HICON icon);

void HideToTray();      // command 310
void RestoreFromTray(); // command 700
void LeaveFromTray();   // command 701
void RemoveTrayIcon();

// The icon's callback message (WM_USER + 100).
void TrayIconEvent(WPARAM icon, LPARAM mouseMessage);

}  // namespace velmo
