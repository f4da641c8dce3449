#pragma once
// Every message box of the program goes through one function, so that tests
// can answer in the user's place instead of waiting for a click.
#include <windows.h>

namespace velmo {

using MessageBoxFunction = int (*)(HWND owner, const char* text, const char* caption, UINT type);

// Replaces the function for the application and the language libraries
// alike; null restores the system's message box. Returns the previous one.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction box);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

// Text and caption are strings of the language library; a caption of 0
// stands for the product name.
int ShowStringBox(HWND owner, UINT textId, UINT captionId, UINT type);

// Text `textId` with caption string 9 and the error icon.
int ShowErrorBox(HWND owner, UINT textId, UINT buttons = MB_OK);

}  // namespace velmo
