#include "settings/option_commands.h"

#include "editview/editview_messages.h"
#include "settings/logical_font.h"
#include "settings/option_settings.h"
#include "settings/settings_file.h"

namespace velmo {
namespace {

struct ViewOption {
    unsigned command;
    IntSetting member;
    unsigned message;
};

constexpr ViewOption kViewToggles[] = {
    {kCmdWordWrap, &Settings::wrap, EVM_SETWORDWRAP},
    {kCmdLineNumbers, &Settings::lineNumbers, EVM_SHOWLINENUMBERS},
    {kCmdControlChars, &Settings::controlChars, EVM_SHOWCONTROLCHARS},
    {kCmdCenterAfterFind, &Settings::centerVertAfterFind, EVM_SETCENTERAFTERFIND},
};

// In command order, which is also the order of their messages.
constexpr ViewOption kColours[] = {
    {kCmdFirstColour + 0, &Settings::txtColor, EVM_SETTEXTCOLOR},
    {kCmdFirstColour + 1, &Settings::bkgColor, EVM_SETBKCOLOR},
    {kCmdFirstColour + 2, &Settings::selColor, EVM_SETSELCOLOR},
    {kCmdFirstColour + 3, &Settings::txtInactiveColor, EVM_SETTEXTINACTIVECOLOR},
    {kCmdFirstColour + 4, &Settings::bkgInactiveColor, EVM_SETBKINACTIVECOLOR},
    {kCmdFirstColour + 5, &Settings::selInactiveColor, EVM_SETSELINACTIVECOLOR},
    {kCmdFirstColour + 6, &Settings::lineNumbersColor, EVM_SETLINENUMBERSCOLOR},
    {kCmdFirstColour + 7, &Settings::bkgLineNumbersColor, EVM_SETBKLINENUMBERSCOLOR},
    {kCmdFirstColour + 8, &Settings::lineNumbersInactiveColor, EVM_SETLINENUMBERSINACTIVECOLOR},
    {kCmdFirstColour + 9, &Settings::bkgLineNumbersInactiveColor, EVM_SETBKLINENUMBERSINACTIVECOLOR},
};

template <std::size_t N>
const ViewOption* FindOption(const ViewOption (&table)[N], unsigned command) {
    for (const ViewOption& option : table) {
        if (option.command == command) return &option;
    }
    return nullptr;
}

void SetCheck(HMENU menu, unsigned command, bool on) {
    CheckMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

bool ToggleChecked(const OptionContext& c, unsigned command, IntSetting member) {
    bool on = ToggleSetting(*c.settings, *c.profile, member) != 0;
    SetCheck(c.menu, command, on);
    return on;
}

void Send(HWND editView, unsigned message, std::int32_t wParam, std::int32_t lParam = 0) {
    SendMessageA(editView, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

// Replaces the window's style, keeping it visible, and makes the system
// draw the new frame.
void ReplaceStyle(HWND window, LONG style) {
    LONG visible = GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongA(window, GWL_STYLE, style | visible);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplySpacingPair(const OptionContext& c, unsigned message, IntSetting first, IntSetting second) {
    Settings& s = *c.settings;
    StoreSpacing(s, first, s.*first);
    StoreSpacing(s, second, s.*second);
    Send(c.editView, message, s.*first, s.*second);
    WriteSetting(*c.profile, s, first);
    WriteSetting(*c.profile, s, second);
}

}  // namespace

bool RunOptionCommand(const OptionContext& c, unsigned command) {
    if (ToggleViewOption(c, command)) return true;
    if (command >= kCmdFirstColour && command <= kCmdLastColour) {
        ChooseOptionColour(c, command);
        return true;
    }
    switch (command) {
        case kCmdFont:
            ChooseEditingFont(c);
            return true;
        case kCmdFullScreen:
            ToggleFullScreen(c);
            return true;
        case kCmdStayOnTop:
            ToggleStayOnTop(c);
            return true;
        default:
            return false;
    }
}

bool ToggleViewOption(const OptionContext& c, unsigned command) {
    const ViewOption* option = FindOption(kViewToggles, command);
    if (option == nullptr) return false;
    bool on = ToggleChecked(c, command, option->member);
    LRESULT inForce = SendMessageA(c.editView, option->message, on ? 1 : 0, 0);
    // Wrapping takes memory: when the control could not switch, the check
    // and the setting go back to the mode it shows.
    if (command == kCmdWordWrap && (inForce != 0) != on) ToggleChecked(c, command, option->member);
    return true;
}

bool ToggleStatusBarOption(const OptionContext& c) {
    return ToggleChecked(c, kCmdStatusBar, &Settings::status);
}

void ToggleFullScreen(const OptionContext& c) {
    Settings& s = *c.settings;
    if (s.fullScr == 0) {
        // Set first, so that the moves of the switch are not taken for the
        // window's normal placement.
        s.fullScr = 1;
        s.maximized = 1;
        ReplaceStyle(c.mainWindow, WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN);
        ShowWindow(c.mainWindow, SW_SHOWMAXIMIZED);
        SetCheck(c.menu, kCmdFullScreen, true);
        return;
    }
    ShowWindow(c.mainWindow, SW_RESTORE);
    ReplaceStyle(c.mainWindow, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    ShowWindow(c.mainWindow, SW_SHOWNORMAL);
    SetCheck(c.menu, kCmdFullScreen, false);
    s.fullScr = 0;
    s.maximized = 0;
}

void ToggleStayOnTop(const OptionContext& c) {
    bool on = ToggleChecked(c, kCmdStayOnTop, &Settings::stayOnTop);
    RECT r;
    if (!GetWindowRect(c.mainWindow, &r)) return;
    SetWindowPos(c.mainWindow, on ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top, r.right - r.left,
                 r.bottom - r.top, SWP_SHOWWINDOW);
}

bool ChooseOptionColour(const OptionContext& c, unsigned command) {
    const ViewOption* option = FindOption(kColours, command);
    if (option == nullptr) return false;
    Settings& s = *c.settings;
    COLORREF chosen = 0;
    if (!c.pickColour(c.mainWindow, static_cast<COLORREF>(s.*option->member), &chosen)) return false;
    s.*option->member = static_cast<std::int32_t>(chosen & 0xFFFFFF);
    InvalidateRect(c.mainWindow, nullptr, TRUE);
    Send(c.editView, option->message, s.*option->member);
    WriteSetting(*c.profile, s, option->member);
    return true;
}

bool ChooseEditingFont(const OptionContext& c) {
    if (c.font == nullptr) return false;
    LOGFONTA chosen;
    FillLogFont(c.font->record, &chosen);
    INT pointSize = 0;
    if (!c.pickFont(c.mainWindow, &chosen, &pointSize)) return false;
    HFONT created = CreateFontIndirectA(&chosen);
    if (created == nullptr) return false;
    c.font->record = FontRecordFromLogFont(chosen);
    c.font->printPointSize = pointSize;
    StoreFontRecord(*c.settings, c.font->record);
    WriteFontSettings(*c.profile, *c.settings);
    // The control lets go of the old font before it is destroyed.
    HFONT old = c.font->handle;
    c.font->handle = created;
    SendMessageA(c.editView, WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (old != nullptr) DeleteObject(old);
    SetFocus(c.editView);
    return true;
}

void ApplyLinePadding(const OptionContext& c) {
    ApplySpacingPair(c, EVM_SETPADDING, &Settings::paddingAbove, &Settings::paddingBelow);
}

void ApplyTextMargins(const OptionContext& c) {
    ApplySpacingPair(c, EVM_SETMARGINS, &Settings::leftMargin, &Settings::rightMargin);
}

void SendDisplaySettings(HWND editView, const Settings& s) {
    for (const ViewOption& colour : kColours) Send(editView, colour.message, s.*colour.member);
    Send(editView, EVM_SETPADDING, s.paddingAbove, s.paddingBelow);
    Send(editView, EVM_SETMARGINS, s.leftMargin, s.rightMargin);
    Send(editView, EVM_SHOWLINENUMBERS, s.lineNumbers);
    Send(editView, EVM_SHOWCONTROLCHARS, s.controlChars);
    Send(editView, EVM_SETWORDWRAP, s.wrap);
    Send(editView, EVM_SETCENTERAFTERFIND, s.centerVertAfterFind);
}

}  // namespace velmo
