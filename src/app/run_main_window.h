#pragma once
// From the settings and language being ready to the end of the message loop.
#include <windows.h>

namespace velmo {

// Registers the class, shares the placement, creates and shows the main
// window with its document: steps before the message loop. Null when the
// window could not be created. App() must hold the instance, the paths, the
// screen size, the settings and their file, and a language library.
HWND StartMainWindow(const char* commandLine, int showMode);

// Until the quit message; returns its exit code.
int RunMessageLoop();

// StartMainWindow then RunMessageLoop; 0 when the window is not created.
int RunMainWindow(HINSTANCE instance, const char* commandLine, int showMode);

}  // namespace velmo
