#pragma once
// The main window's small modal dialogs, all from the language library.
#include <windows.h>

namespace velmo {

// Places a dialog centred over the main window, keeping its size.
void CenterDialog(HWND dialog);

void RunGoToLineDialog();    // command 4
void RunLineSpacingDialog(); // command 513, before the padding is applied
void RunMarginsDialog();     // command 514, before the margins are applied
void RunAboutDialog();       // command 600

}  // namespace velmo
