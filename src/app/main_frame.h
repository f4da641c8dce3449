#pragma once
// MainFrame: the top-level window "Velmo 2" holding the edit control.
#include <windows.h>

namespace velmo {

constexpr char kMainClassName[] = "Velmo 2";

// Registers the window class with the program's copy of the language
// library's icon, which the window's end destroys.
bool RegisterMainFrameClass(HINSTANCE instance, HICON icon);

LRESULT CALLBACK MainFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velmo
