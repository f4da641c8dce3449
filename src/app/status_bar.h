#pragma once
// The status bar at the bottom of the main window, and the editing font's
// character set following the keyboard layout.
#include <windows.h>

#include <cstdint>

namespace velmo {

// Checks menu item 403, creates the bar with its seven parts and fills it.
void CreateStatusBar();
void DestroyStatusBar();

// After a caret notification (1-based line and column): stores the
// selection, writes parts 0 to 3 and updates the title.
void UpdateStatus(std::uint32_t line, std::uint32_t column);

// UpdateStatus with the caret position asked from the control.
void RefreshStatus();

// Parts 4 and 5: Caps Lock and Num Lock.
void ShowKeyLocks();

// Part 6: " CP: " and the keyboard layout's code page.
void ShowCodePage();

// Timer 1 of the main window, every 100 ms.
void CALLBACK KeyboardTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

// WM_INPUTLANGCHANGE: the font takes the new layout's character set.
void InputLanguageChanged(std::uint8_t charset);

}  // namespace velmo
