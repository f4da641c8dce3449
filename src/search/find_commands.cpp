#include "search/find_commands.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>

#include "resource_ids.h"
#include "search/find_requests.h"
#include "settings/option_settings.h"

namespace velmo {

namespace {

// The dialogs' edit fields hold 256 bytes and the terminator; the settings'
// text fields have room for more.
constexpr WORD kDialogTextLength = 257;
constexpr std::uint32_t kLongestSelectionTaken = 256;
static_assert(kDialogTextLength <= kSearchTextSize);

struct FindState {
    FindContext context;  // for the hook, which is given nothing of ours
    FINDREPLACEA record{};
};

FindState& State() {
    static FindState state;
    return state;
}

UINT_PTR CALLBACK FindHook(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return 1;
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return 0;
    const FindContext& context = State().context;
    switch (LOWORD(wParam)) {
        case chx2: ToggleSetting(*context.settings, *context.profile, &Settings::findCase); break;
        case rad1: SetFindDirection(*context.settings, *context.profile, false); break;
        case rad2: SetFindDirection(*context.settings, *context.profile, true); break;
        default: break;
    }
    return 0;
}

FINDREPLACEA& Record(const FindContext& context) {
    FindState& state = State();
    state.context = context;
    FINDREPLACEA& record = state.record;
    record.lStructSize = sizeof record;
    record.hwndOwner = context.mainWindow;
    record.lpstrFindWhat = context.settings->findString;
    record.lpstrReplaceWith = context.settings->replaceString;
    record.wFindWhatLen = kDialogTextLength;
    record.wReplaceWithLen = kDialogTextLength;
    record.lpfnHook = FindHook;
    return record;
}

// A selection of 1 to 256 bytes becomes the find text, line breaks and all.
// The selection is read just now: the one the main window last heard of
// may be older.
void TakeSelectionAsFindText(const FindContext& context) {
    DWORD start = 0, end = 0;
    SendMessageA(context.editView, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (end <= start || end - start > kLongestSelectionTaken) return;
    auto text = reinterpret_cast<HGLOBAL>(SendMessageA(context.editView, EM_GETHANDLE, 0, 0));
    const auto* bytes = static_cast<const char*>(GlobalLock(text));
    if (bytes == nullptr) return;
    if (end <= GlobalSize(text)) {
        std::memcpy(context.settings->findString, bytes + start, end - start);
        context.settings->findString[end - start] = '\0';
    }
    GlobalUnlock(text);
}

DWORD MatchCaseFlag(const FindContext& context) { return context.settings->findCase == 1 ? FR_MATCHCASE : 0; }

void ShowDialog(const FindContext& context, bool replace, DWORD flags) {
    if (*context.dialog != nullptr) DestroyWindow(*context.dialog);
    FINDREPLACEA& record = Record(context);
    record.Flags = FR_HIDEWHOLEWORD | FR_ENABLEHOOK | FR_FINDNEXT | MatchCaseFlag(context) | flags;
    *context.dialog = replace ? ReplaceTextA(&record) : FindTextA(&record);
}

void OpenFindDialog(const FindContext& context, bool replace) {
    TakeSelectionAsFindText(context);
    ShowDialog(context, replace, context.settings->findDirection == 1 ? FR_DOWN : 0);
}

// Searches again for the find text as if the dialog had asked, without
// changing the dialog's direction; with no find text, opens the dialog.
void FindAgain(const FindContext& context, bool up) {
    TakeSelectionAsFindText(context);
    DWORD down = up ? 0 : FR_DOWN;
    if (context.settings->findString[0] == '\0') return ShowDialog(context, false, down);
    FINDREPLACEA& record = Record(context);
    record.Flags = FR_FINDNEXT | down | MatchCaseFlag(context);
    SendMessageA(context.mainWindow, RegisterWindowMessageA(FINDMSGSTRINGA), 0, reinterpret_cast<LPARAM>(&record));
    SetFocus(context.editView);
}

}  // namespace

void RunFindCommand(const FindContext& context, unsigned command) {
    switch (command) {
        case IDM_FIND: OpenFindDialog(context, false); break;
        case IDM_REPLACE: OpenFindDialog(context, true); break;
        case IDM_FIND_NEXT: FindAgain(context, false); break;
        case IDM_FIND_PREVIOUS: FindAgain(context, true); break;
        default: break;
    }
}

void HandleFindRequest(const FindContext& context, LPARAM findReplace) {
    const auto& record = *reinterpret_cast<const FINDREPLACEA*>(findReplace);
    if ((record.Flags & FR_DIALOGTERM) != 0) {
        *context.dialog = nullptr;
        SetFocus(context.editView);
        return;
    }
    AnswerFindRequest(context, record);
}

}  // namespace velmo
