#include "app/commands.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "app/layout.h"
#include "settings/message_boxes.h"
#include "app/status_bar.h"
#include "app/title.h"
#include "app/window_modes.h"
#include "documents/document_files.h"
#include "documents/playback.h"
#include "documents/recent_files.h"
#include "editview/editview_messages.h"
#include "printing/print_commands.h"
#include "resource_ids.h"
#include "search/find_commands.h"
#include "settings/help.h"
#include "settings/language_menu.h"
#include "settings/option_settings.h"
#include "settings/settings_file.h"
#include "tools/text_tool_commands.h"

namespace velmo {

namespace {

LRESULT Edit(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(App().editView, message, wParam, lParam);
}

void SelectCaretLine() {
    AppState& app = App();
    LRESULT line = Edit(EVM_GETCARETLINE);
    auto start = static_cast<std::uint32_t>(Edit(EM_LINEINDEX, static_cast<WPARAM>(line)));
    auto end = start + static_cast<std::uint32_t>(Edit(EVM_GETLINESIZE, static_cast<WPARAM>(line)));
    app.selectionStart = start;
    app.selectionEnd = end;
    Edit(EM_SETSEL, start, static_cast<LPARAM>(end));
}

void EmptyTheClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

// The control's answer to a cut or copy: -1 no memory, 2 no clipboard.
void CheckClipboardResult(LRESULT result) {
    if (result == -1) ShowErrorBox(App().mainWindow, IDS_NO_MEMORY);
    if (result == 2) ShowErrorBox(App().mainWindow, IDS_CLIPBOARD_ERROR);
}

PrintContext Printing() {
    AppState& app = App();
    return PrintContext{app.mainWindow, app.editView, &app.pageSetup, &app.font.record, app.font.printPointSize,
                        app.untitled ? "" : app.documentPath};
}

void StartAnotherCopy() {
    ShellExecuteA(nullptr, nullptr, App().paths.module, nullptr, nullptr, SW_SHOWNORMAL);
}

void SaveAndClose() {
    if (SaveDocument()) DestroyWindow(App().mainWindow);
}

void ToggleStatusBar() {
    if (ToggleStatusBarOption(Options())) {
        CreateStatusBar();
    } else {
        DestroyStatusBar();
    }
    Relayout();
}

void WriteLanguage(std::uint32_t language) {
    AppState& app = App();
    app.settings.language = static_cast<std::int32_t>(language);
    WriteSetting(*app.profile, app.settings, &Settings::language);
}

MenuChecks ChecksFromSettings() {
    const Settings& s = App().settings;
    return MenuChecks{s.wrap != 0,       s.status != 0,    s.lineNumbers != 0,        s.controlChars != 0,
                      s.fullScr != 0,    s.stayOnTop != 0, s.centerVertAfterFind != 0};
}

// The status texts, and the untitled document's name, in the new language.
void ShowNewLanguage() {
    if (App().untitled) SetUntitledTitle();
    RefreshStatus();
}

void ChooseLanguage(unsigned command) {
    AppState& app = App();
    LanguageSwitchHooks hooks;
    hooks.insertRecentItems = InsertRecentItems;
    hooks.writeLanguage = WriteLanguage;
    hooks.refreshStatus = ShowNewLanguage;
    SwitchLanguage(app.mainWindow, app.paths.folder, command, &app.language, ChecksFromSettings(), hooks);
}

// Commands without a row of their own leave the program, or only stop a
// running typing playback.
void LeaveOrStopPlayback() {
    if (StopPlayback()) return;
    SendMessageA(App().mainWindow, WM_CLOSE, 0, 0);
}

bool RunEditCommand(unsigned command) {
    switch (command) {
        case IDM_GOTO_LINE: RunGoToLineDialog(); return true;
        case IDM_SELECT_ALL: Edit(EVM_SELECTALL); return true;
        case IDM_SELECT_LINE: SelectCaretLine(); return true;
        case IDM_DELETE_LINE: SelectCaretLine(); Edit(WM_CLEAR); return true;
        case IDM_SHOW_CARET: Edit(EM_SCROLLCARET); return true;
        case IDM_EMPTY_CLIPBOARD: EmptyTheClipboard(); return true;
        case IDM_UNDO: Edit(EM_UNDO); return true;
        case IDM_PASTE: Edit(WM_PASTE); return true;
        case IDM_REDO: Edit(EVM_REDO); return true;
        case IDM_CUT: CheckClipboardResult(Edit(WM_CUT)); return true;
        case IDM_COPY: CheckClipboardResult(Edit(WM_COPY)); return true;
        case IDM_DELETE: Edit(WM_CLEAR); return true;
        default: return false;
    }
}

bool RunFileCommand(unsigned command) {
    if (command >= IDM_RECENT_FIRST && command <= IDM_RECENT_LAST) {
        OpenRecentFile(command - IDM_RECENT_FIRST);
        return true;
    }
    switch (command) {
        case IDM_NEW: NewDocument(); return true;
        case IDM_OPEN: OpenDocument(); return true;
        case IDM_SAVE: SaveDocument(); return true;
        case IDM_SAVE_AS: SaveDocumentAs(); return true;
        case IDM_PAGE_SETUP: ShowPageSetup(Printing()); return true;
        case IDM_PRINT: PrintDocument(Printing()); return true;
        case IDM_NEW_WINDOW: StartAnotherCopy(); return true;
        case IDM_SAVE_CLOSE: SaveAndClose(); return true;
        case IDM_PLAYBACK: StartPlayback(); return true;
        case IDM_HIDE_TO_TRAY: HideToTray(); return true;
        default: return false;
    }
}

bool RunOptionsCommand(unsigned command) {
    if (RunOptionCommand(Options(), command)) return true;
    switch (command) {
        case IDM_STATUS_BAR: ToggleStatusBar(); return true;
        case IDM_CLEAR_RECENT: ClearRecentList(); return true;
        case IDM_LINE_SPACING: RunLineSpacingDialog(); ApplyLinePadding(Options()); return true;
        case IDM_MARGINS: RunMarginsDialog(); ApplyTextMargins(Options()); return true;
        default: return false;
    }
}

bool RunOtherCommand(unsigned command) {
    AppState& app = App();
    if (command >= IDM_LANGUAGE_FIRST && command <= IDM_LANGUAGE_LAST) {
        ChooseLanguage(command);
        return true;
    }
    switch (command) {
        case IDM_FIND: case IDM_FIND_NEXT: case IDM_REPLACE: case IDM_FIND_PREVIOUS:
            RunFindCommand(Finder(), command);
            return true;
        case IDM_LOWER_CASE: case IDM_UPPER_CASE: case IDM_INVERT_CASE: case IDM_REVERSE:
        case IDM_TIME_DATE: case IDM_TAG_PARAGRAPH: case IDM_TAG_BOLD: case IDM_TAG_ITALIC:
        case IDM_REMOVE_TAGS:
            RunTextTool(TextToolContext{app.editView, app.findDialog != nullptr ? app.findDialog : app.mainWindow},
                        command);
            return true;
        case IDM_ABOUT: RunAboutDialog(); return true;
        case IDM_HELP: ShowHelp(app.mainWindow, app.paths.folder, app.language); return true;
        case IDM_TRAY_RESTORE: RestoreFromTray(); return true;
        case IDM_TRAY_LEAVE: LeaveFromTray(); return true;
        default: return false;
    }
}

void EnableCommands(HMENU menu, unsigned first, unsigned last, bool on) {
    for (unsigned command = first; command <= last; ++command) {
        EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    }
}

}  // namespace

void RunCommand(unsigned command) {
    if (RunEditCommand(command) || RunFileCommand(command) || RunOptionsCommand(command) ||
        RunOtherCommand(command)) {
        return;
    }
    LeaveOrStopPlayback();
}

LRESULT HandleEditNotification(WORD code) {
    HWND main = App().mainWindow;
    switch (code) {
        case EN_ERRSPACE: ShowErrorBox(main, IDS_NO_MEMORY); return 0;
        case EN_MAXTEXT: ShowErrorBox(main, IDS_TEXT_FULL); return 0;
        case EVN_UNDOFULL: return ShowErrorBox(main, IDS_UNDO_FULL, MB_YESNO);
        case EVN_REDOFULL: return ShowErrorBox(main, IDS_REDO_FULL, MB_YESNO);
        default: return 0;
    }
}

void UpdateEditMenu(HMENU menu) {
    AppState& app = App();
    EnableCommands(menu, IDM_FIND, IDM_SHOW_CARET, Edit(WM_GETTEXTLENGTH) != 0);
    EnableCommands(menu, IDM_UNDO, IDM_UNDO, Edit(EM_CANUNDO) != 0);
    EnableCommands(menu, IDM_REDO, IDM_REDO, Edit(EVM_CANREDO) != 0);
    bool text = IsClipboardFormatAvailable(CF_TEXT) != 0;
    EnableCommands(menu, IDM_PASTE, IDM_PASTE, text);
    EnableCommands(menu, IDM_EMPTY_CLIPBOARD, IDM_EMPTY_CLIPBOARD, text);
    EnableCommands(menu, IDM_CUT, IDM_REVERSE, app.selectionStart != app.selectionEnd);
}

}  // namespace velmo
