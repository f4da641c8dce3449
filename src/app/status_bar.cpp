#include "app/status_bar.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/code_pages.h"
#include "app/status_text.h"
#include "app/title.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "settings/language_library.h"
#include "settings/logical_font.h"

namespace velmo {

namespace {

enum StatusPart : WPARAM { kPosition, kLineCount, kCharacter, kMode, kCaps, kNum, kCodePage };
constexpr int kPartEdges[] = {355, 495, 635, 672, 720, 763, -1};
constexpr std::size_t kPartTextSize = 256;

LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(App().editView, message, wParam, lParam);
}

void SetPart(StatusPart part, const char* text) {
    HWND bar = App().statusBar;
    if (bar != nullptr) SendMessageA(bar, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

bool KeyToggled(int key) { return (GetKeyState(key) & 1) != 0; }

void ShowMode() { SetPart(kMode, Ask(EVM_GETOVERWRITE) != 0 ? kOverwriteText : kInsertText); }

// The byte at `offset`, read from the control's text as the application may;
// false when the offset lies outside the block.
bool ByteAt(std::uint32_t offset, unsigned char* byte) {
    auto block = reinterpret_cast<HGLOBAL>(Ask(EM_GETHANDLE));
    if (block == nullptr || offset >= GlobalSize(block)) return false;
    auto* text = static_cast<const unsigned char*>(GlobalLock(block));
    if (text == nullptr) return false;
    *byte = text[offset];
    GlobalUnlock(block);
    return true;
}

void ShowCharacter() {
    auto caret = static_cast<std::uint32_t>(Ask(EVM_GETCARETINDEX));
    unsigned char byte = 0;
    char text[kPartTextSize] = "";
    if (caret != static_cast<std::uint32_t>(Ask(WM_GETTEXTLENGTH)) && ByteAt(caret, &byte)) {
        char pattern[kPartTextSize];
        LoadLanguageString(IDS_STATUS_CHARACTER, pattern, sizeof pattern);
        FormatCharacterText(text, sizeof text, pattern, byte);
    }
    SetPart(kCharacter, text);
}

// The current keyboard layout's ANSI code page, kept as text.
std::uint32_t ReadKeyboardCodePage() {
    AppState& app = App();
    LANGID language = LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)));
    if (GetLocaleInfoA(MAKELCID(language, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE, app.codePage,
                       sizeof app.codePage) == 0) {
        app.codePage[0] = '\0';
    }
    std::uint32_t codePage = 0;
    return ParseUnsigned(app.codePage, &codePage) ? codePage : 0;
}

// Makes the editing font again with the character set; a font the system
// cannot make leaves the current one in place.
void ApplyCharset(std::uint8_t charset) {
    EditingFont& font = App().font;
    font.record.charSet = charset;
    HFONT created = CreateFontFromRecord(font.record);
    if (created == nullptr) return;
    HFONT old = font.handle;
    font.handle = created;
    Ask(WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (old != nullptr) DeleteObject(old);
}

}  // namespace

void CreateStatusBar() {
    AppState& app = App();
    CheckMenuItem(GetMenu(app.mainWindow), IDM_STATUS_BAR, MF_BYCOMMAND | MF_CHECKED);
    app.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0,
                                    app.mainWindow, reinterpret_cast<HMENU>(kStatusBarId), app.instance, nullptr);
    if (app.statusBar == nullptr) return;
    SendMessageA(app.statusBar, SB_SETPARTS, std::size(kPartEdges), reinterpret_cast<LPARAM>(kPartEdges));
    ShowMode();
    if (KeyToggled(VK_CAPITAL)) SetPart(kCaps, kCapsText);
    if (KeyToggled(VK_NUMLOCK)) SetPart(kNum, kNumText);
    ReadKeyboardCodePage();
    ShowCodePage();
    RefreshStatus();
}

void DestroyStatusBar() {
    AppState& app = App();
    if (app.statusBar != nullptr) DestroyWindow(app.statusBar);
    app.statusBar = nullptr;
}

void UpdateStatus(std::uint32_t line, std::uint32_t column) {
    AppState& app = App();
    DWORD start = 0;
    DWORD end = 0;
    Ask(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    app.selectionStart = start;
    app.selectionEnd = end;
    if (app.statusBar != nullptr) {
        char pattern[kPartTextSize];
        char text[kPartTextSize];
        LoadLanguageString(IDS_STATUS_POSITION, pattern, sizeof pattern);
        FormatPositionText(text, sizeof text, pattern, line, column, end - start);
        SetPart(kPosition, text);
        LoadLanguageString(IDS_STATUS_LINES, pattern, sizeof pattern);
        FormatLineCountText(text, sizeof text, pattern, static_cast<std::uint32_t>(Ask(EM_GETLINECOUNT)));
        SetPart(kLineCount, text);
        ShowCharacter();
        ShowMode();
    }
    UpdateTitle();
}

void RefreshStatus() {
    UpdateStatus(static_cast<std::uint32_t>(Ask(EVM_GETCARETLINE)) + 1,
                 static_cast<std::uint32_t>(Ask(EVM_GETCARETCOLUMN)) + 1);
}

void ShowKeyLocks() {
    SetPart(kCaps, KeyToggled(VK_CAPITAL) ? kCapsText : kLockOffText);
    SetPart(kNum, KeyToggled(VK_NUMLOCK) ? kNumText : kLockOffText);
}

void ShowCodePage() {
    char text[kCodePageTextSize + 8];
    FormatCodePageText(text, sizeof text, App().codePage);
    SetPart(kCodePage, text);
}

void CALLBACK KeyboardTimer(HWND, UINT, UINT_PTR, DWORD) {
    std::uint8_t current = App().font.record.charSet;
    std::uint8_t charset = CharsetForCodePage(ReadKeyboardCodePage(), current);
    if (charset == current) return;
    ApplyCharset(charset);
    ShowCodePage();
}

void InputLanguageChanged(std::uint8_t charset) {
    ApplyCharset(charset);
    ReadKeyboardCodePage();
    ShowCodePage();
}

}  // namespace velmo
