#pragma once
// MainFrame: the top-level window "Velmo 2" holding the edit control.
#include <windows.h>

namespace velmo {

constexpr char kMainClassName[] = "Velmo 2";

// Registers the window class with the language library's icon.
bool RegisterMainFrameClass(HINSTANCE instance, HICON icon);

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velmo
