#include "printing/print_commands.h"

#include <cderr.h>

#include "printing/page_drawing.h"
#include "printing/page_setup.h"
#include "resource_ids.h"
#include "settings/logical_font.h"
#include "settings/message_boxes.h"

namespace velmo {

namespace {

// With no printer the system's dialogs would only show a box of their own;
// the user learns it from ours instead.
bool ReadyPrinter(const PrintContext& c) {
    if (c.pageSetup->lStructSize == 0) InitPageSetup(c.pageSetup, c.mainWindow);
    if (!AnyPrinterInstalled()) {
        ShowErrorBox(c.mainWindow, IDS_NO_PRINTER);
        return false;
    }
    if (!HoldsPrinter(*c.pageSetup)) FillDefaultPrinter(c.pageSetup);
    return true;
}

void ReportDialogFailure(HWND owner) {
    DWORD error = CommDlgExtendedError();
    if (error == 0) return;  // cancelled
    bool memory = error == CDERR_MEMALLOCFAILURE || error == CDERR_MEMLOCKFAILURE;
    ShowErrorBox(owner, memory ? IDS_NO_MEMORY : IDS_NO_PRINTER);
}

PRINTDLGA PrintDialogRecord(const PrintContext& c) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = c.mainWindow;
    dialog.hDevMode = c.pageSetup->hDevMode;
    dialog.hDevNames = c.pageSetup->hDevNames;
    // The whole document is printed: no selection and no page range.
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE;
    dialog.nCopies = 1;
    return dialog;
}

PageRect PrinterTextRectangle(HDC dc, const PAGESETUPDLGA& record) {
    const RECT& m = record.rtMargin;
    PageSize paper{record.ptPaperSize.x, record.ptPaperSize.y};
    PageSize page{GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT)};
    PageSize offset{GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)};
    return TextRectangle(PageRect{m.left, m.top, m.right, m.bottom}, paper, page, offset);
}

HFONT CreatePrintFont(HDC dc, const PrintContext& c) {
    LOGFONTA font;
    FillLogFont(*c.font, &font);
    font.lfHeight = PrintFontHeight(c.pointSize, GetDeviceCaps(dc, LOGPIXELSY));
    return CreateFontIndirectA(&font);
}

// The job: every copy of text[0, length), in the printing font. A job or a
// page the printer refuses ends the printing quietly.
void PrintJob(HDC dc, const PrintContext& c, const std::uint8_t* text, std::uint32_t length, unsigned copies) {
    HFONT font = CreatePrintFont(dc, c);
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = c.documentName;
    PrintMetrics metrics;
    if (StartDocA(dc, &document) > 0) {
        if (MeasurePrintFont(dc, &metrics)) {
            PageRect rect = PrinterTextRectangle(dc, *c.pageSetup);
            PageFrame frame = MakePageFrame(metrics, rect);
            PrinterPages pages(dc, text, rect, frame, metrics.lineHeight);
            PrintCopies(text, length, copies, frame, pages);
        }
        EndDoc(dc);
    }
    if (previous != nullptr) SelectObject(dc, previous);
    if (font != nullptr) DeleteObject(font);
}

// The document is read in place, with its length: NUL bytes are text too.
void PrintText(HDC dc, const PrintContext& c, unsigned copies) {
    auto block = reinterpret_cast<HGLOBAL>(SendMessageA(c.editView, EM_GETHANDLE, 0, 0));
    auto length = static_cast<std::uint32_t>(SendMessageA(c.editView, WM_GETTEXTLENGTH, 0, 0));
    if (block == nullptr || length == 0 || length > GlobalSize(block)) return;
    auto* text = static_cast<const std::uint8_t*>(GlobalLock(block));
    if (text == nullptr) return;
    EnableWindow(c.mainWindow, FALSE);
    PrintJob(dc, c, text, length, copies);
    EnableWindow(c.mainWindow, TRUE);
    GlobalUnlock(block);
}

}  // namespace

void ShowPageSetup(const PrintContext& c) {
    if (!ReadyPrinter(c)) return;
    if (!RunPageSetupDialog(c.pageSetup)) ReportDialogFailure(c.mainWindow);
    SetFocus(c.editView);
}

void PrintDocument(const PrintContext& c) {
    if (!ReadyPrinter(c)) return;
    PRINTDLGA dialog = PrintDialogRecord(c);
    BOOL chosen = PrintDlgA(&dialog);
    // The dialog may have replaced the printer handles.
    c.pageSetup->hDevMode = dialog.hDevMode;
    c.pageSetup->hDevNames = dialog.hDevNames;
    if (!chosen) {
        ReportDialogFailure(c.mainWindow);
        return;
    }
    if (dialog.hDC != nullptr) {
        PrintText(dialog.hDC, c, dialog.nCopies);
        DeleteDC(dialog.hDC);
    }
    SetFocus(c.editView);
}

}  // namespace velmo
