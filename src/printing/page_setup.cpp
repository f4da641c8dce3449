#include "printing/page_setup.h"

#include <winspool.h>

namespace velmo {

void InitPageSetup(PAGESETUPDLGA* record, HWND owner) {
    *record = PAGESETUPDLGA{};
    record->lStructSize = sizeof *record;
    record->hwndOwner = owner;
    record->Flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
    record->ptPaperSize = POINT{21000, 29700};
    record->rtMargin = RECT{2000, 2500, 2000, 2500};
}

bool HoldsPrinter(const PAGESETUPDLGA& record) { return record.hDevNames != nullptr; }

bool FillDefaultPrinter(PAGESETUPDLGA* record) {
    DWORD flags = record->Flags;
    record->Flags |= PSD_RETURNDEFAULT | PSD_NOWARNING;
    BOOL filled = PageSetupDlgA(record);
    record->Flags = flags;
    return filled != FALSE && HoldsPrinter(*record);
}

bool RunPageSetupDialog(PAGESETUPDLGA* record) { return PageSetupDlgA(record) != FALSE; }

void ReleasePageSetup(PAGESETUPDLGA* record) {
    if (record->hDevMode != nullptr) GlobalFree(record->hDevMode);
    if (record->hDevNames != nullptr) GlobalFree(record->hDevNames);
    record->hDevMode = nullptr;
    record->hDevNames = nullptr;
}

bool AnyPrinterInstalled() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    return needed > 0;
}

}  // namespace velmo
