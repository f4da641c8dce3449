#pragma once
// The page-setup record of a run: paper, margins and printer as the user last
// confirmed them. Nothing of it is saved.
#include <windows.h>
#include <commdlg.h>

namespace velmo {

// A4 with 20 mm side and 25 mm top and bottom margins, no printer yet. The
// units are fixed to hundredths of a millimetre, whatever the locale
// measures in, since the numbers are meant as millimetres.
void InitPageSetup(PAGESETUPDLGA* record, HWND owner);

bool HoldsPrinter(const PAGESETUPDLGA& record);

// Fills the record's printer with the default printer without showing
// anything; false when there is none.
bool FillDefaultPrinter(PAGESETUPDLGA* record);

// The system's page-setup dialog on the record; true when confirmed.
bool RunPageSetupDialog(PAGESETUPDLGA* record);

// Frees the printer handles; the record can be filled again afterwards.
void ReleasePageSetup(PAGESETUPDLGA* record);

// Whether the system knows any printer. The system's print dialogs stop at
// a box of their own when there is none, so callers ask first.
bool AnyPrinterInstalled();

}  // namespace velmo
