#include "app/dialogs.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/dialog_rules.h"
#include "settings/message_boxes.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/option_settings.h"

namespace velmo {

namespace {

constexpr std::size_t kFieldTextSize = 32;
constexpr int kArrowsMax = 100;

Rect32 OuterRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

INT_PTR RunDialog(UINT id, DLGPROC procedure, LPARAM parameter = 0) {
    return DialogBoxParamA(Language().module, MAKEINTRESOURCEA(id), App().mainWindow, procedure, parameter);
}

// Every dialog here ends with 0 on command 2 or when closed.
bool Dismissed(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDC_DIALOG_CLOSE)) {
        EndDialog(dialog, 0);
        return true;
    }
    return false;
}

void SelectField(HWND dialog, int field) {
    HWND edit = GetDlgItem(dialog, field);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

std::uint32_t CaretLineNumber() {
    HWND edit = App().editView;
    LRESULT caret = SendMessageA(edit, EVM_GETCARETINDEX, 0, 0);
    return static_cast<std::uint32_t>(SendMessageA(edit, EVM_LINEFROMCHAR, 0, caret)) + 1;
}

void ShowCaretLineNumber(HWND dialog) {
    SetDlgItemInt(dialog, IDC_GOTO_LINE, CaretLineNumber(), FALSE);
    SelectField(dialog, IDC_GOTO_LINE);
}

void ConfirmLineNumber(HWND dialog) {
    char text[kFieldTextSize];
    GetDlgItemTextA(dialog, IDC_GOTO_LINE, text, sizeof text);
    auto count = static_cast<std::uint32_t>(SendMessageA(App().editView, EM_GETLINECOUNT, 0, 0));
    std::uint32_t line = 0;
    if (ParseLineNumber(text, count, &line)) {
        EndDialog(dialog, static_cast<INT_PTR>(line));
        return;
    }
    ShowErrorBox(dialog, IDS_BAD_LINE_NUMBER);
    ShowCaretLineNumber(dialog);
}

INT_PTR CALLBACK GoToLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (Dismissed(dialog, message, wParam)) return TRUE;
    if (message == WM_INITDIALOG) {
        CenterDialog(dialog);
        ShowCaretLineNumber(dialog);
        SendMessageA(dialog, DM_SETDEFID, IDC_GOTO_OK, 0);
        return FALSE;  // the focus is set
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_GOTO_OK) {
        ConfirmLineNumber(dialog);
        return TRUE;
    }
    return FALSE;
}

// The line-spacing and margins dialogs: two numbers with arrows each.
struct SpacingDialog {
    UINT id;
    int fields[2];
    int arrows[2];
    int ok;
    IntSetting members[2];
    bool sendsPadding;  // line spacing reaches the control from the dialog
};

constexpr SpacingDialog kLineSpacing = {IDD_LINESPACING,
                                        {IDC_SPACING_ABOVE, IDC_SPACING_BELOW},
                                        {IDC_SPACING_ABOVE_UPDOWN, IDC_SPACING_BELOW_UPDOWN},
                                        IDC_SPACING_OK,
                                        {&Settings::paddingAbove, &Settings::paddingBelow},
                                        true};
constexpr SpacingDialog kMargins = {IDD_MARGINS,
                                    {IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT},
                                    {IDC_MARGIN_LEFT_UPDOWN, IDC_MARGIN_RIGHT_UPDOWN},
                                    IDC_MARGIN_OK,
                                    {&Settings::leftMargin, &Settings::rightMargin},
                                    false};

void InitSpacing(HWND dialog, const SpacingDialog& d) {
    CenterDialog(dialog);
    const Settings& s = App().settings;
    for (int i = 0; i < 2; ++i) {
        SendDlgItemMessageA(dialog, d.arrows[i], UDM_SETRANGE32, 0, kArrowsMax);
        // The field shows the setting itself, also above the arrows' range.
        SetDlgItemInt(dialog, d.fields[i], static_cast<UINT>(s.*d.members[i]), FALSE);
    }
    SendMessageA(dialog, DM_SETDEFID, d.ok, 0);
}

// A value that is not a number keeps the setting as it was; every value is
// kept within 0..1000 pixels.
void ConfirmSpacing(HWND dialog, const SpacingDialog& d) {
    AppState& app = App();
    for (int i = 0; i < 2; ++i) {
        char text[kFieldTextSize];
        GetDlgItemTextA(dialog, d.fields[i], text, sizeof text);
        std::uint32_t value = 0;
        if (ParseUnsigned(text, &value)) StoreSpacing(app.settings, d.members[i], value);
    }
    if (d.sendsPadding) {
        SendMessageA(app.editView, EVM_SETPADDING, static_cast<WPARAM>(app.settings.*d.members[0]),
                     static_cast<LPARAM>(app.settings.*d.members[1]));
    }
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK SpacingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Dismissed(dialog, message, wParam)) return TRUE;
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitSpacing(dialog, *reinterpret_cast<const SpacingDialog*>(lParam));
        return TRUE;
    }
    auto* d = reinterpret_cast<const SpacingDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_COMMAND && d != nullptr && LOWORD(wParam) == d->ok) {
        ConfirmSpacing(dialog, *d);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (Dismissed(dialog, message, wParam)) return TRUE;
    if (message == WM_INITDIALOG) {
        CenterDialog(dialog);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void CenterDialog(HWND dialog) {
    Point32 at = CenteredOrigin(OuterRect(App().mainWindow), OuterRect(dialog));
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunGoToLineDialog() {
    HWND edit = App().editView;
    INT_PTR line = RunDialog(IDD_GOTOLINE, GoToLineProc);
    if (line > 0) {
        LRESULT start = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line - 1), 0);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), start);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    }
    SetFocus(edit);
}

void RunLineSpacingDialog() { RunDialog(kLineSpacing.id, SpacingProc, reinterpret_cast<LPARAM>(&kLineSpacing)); }

void RunMarginsDialog() { RunDialog(kMargins.id, SpacingProc, reinterpret_cast<LPARAM>(&kMargins)); }

void RunAboutDialog() {
    RunDialog(IDD_ABOUT, AboutProc);
    SetFocus(App().editView);
}

}  // namespace velmo
