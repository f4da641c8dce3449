#pragma once
// Page setup (304) and printing of the whole document (305).
#include <windows.h>
#include <commdlg.h>

#include <cstdint>

#include "settings/font_record.h"

namespace velmo {

struct PrintContext {
    HWND mainWindow;
    HWND editView;
    PAGESETUPDLGA* pageSetup;  // the run's record; set up on first use
    const FontRecord* font;    // the editing font, whose face prints
    std::int32_t pointSize;    // tenths of a point
    const char* documentName;  // the document's full path; empty while untitled
};

// The page-setup dialog on the run's record, then the focus to the text.
void ShowPageSetup(const PrintContext& context);

// The print dialog, then the document's pages in as many copies as asked,
// on the chosen printer with the record's margins. A cancelled dialog
// changes nothing; with no printer at all the user is told so.
void PrintDocument(const PrintContext& context);

}  // namespace velmo
