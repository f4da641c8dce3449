#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "app/confirm_discard.h"
#include "app/shared_placement.h"
#include "app/status_bar.h"
#include "documents/document_files.h"
#include "editview/editview_messages.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"
#include "settings/language_menu.h"
#include "settings/window_placement.h"
#include "test_window.h"

namespace velmo::test {
namespace {

// The position numbers come from the control's 32-bit messages: more lines
// than 16 bits hold, grouped as the status texts are (tested on the host).
// Insert, the key locks and the keyboard layout show at once.
TEST_F(MainFrameTest, StartsConfiguredFromTheSettingsAndShowsEveryStatusPart) {
    App().settings.lineNumbers = 1;
    App().settings.centerVertAfterFind = 1;
    App().settings.fullScr = 1;
    Start();
    EXPECT_EQ(GetWindowLongA(App().mainWindow, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_TRUE(Checked(IDM_LINE_NUMBERS));
    EXPECT_TRUE(Checked(IDM_CENTER_AFTER_FIND));
    EXPECT_TRUE(Checked(IDM_FULL_SCREEN));
    EXPECT_EQ(StatusPart(6), std::string(" CP: ") + App().codePage);
    std::string text;
    for (int i = 0; i < 1234566; ++i) text += "\r\n";
    text += "\xE9z";
    SetText(text);
    Edit(EM_SETSEL, text.size() - 2, text.size() - 2);
    Pump();
    EXPECT_EQ(StatusPart(0), "Line 1 234 567, column 1, selected 0");
    EXPECT_EQ(StatusPart(1), "Lines: 1 234 567");
    EXPECT_EQ(StatusPart(2), "Character: 233 (0xE9)");
    Edit(EM_SETSEL, text.size() - 1000, text.size());
    Pump();
    EXPECT_EQ(StatusPart(0), "Line 1 234 567, column 3, selected 1 000");
    EXPECT_EQ(StatusPart(2), "");  // the caret at the end of the text
    EXPECT_TRUE(Asked().empty());

    EXPECT_EQ(StatusPart(3), " INS");
    Edit(WM_KEYDOWN, VK_INSERT);
    EXPECT_EQ(StatusPart(3), " OVR");
    Edit(WM_KEYDOWN, VK_INSERT);
    EXPECT_EQ(StatusPart(3), " INS");
    SetKeys(VK_CAPITAL, true, VK_NUMLOCK, false, 1);
    Edit(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(StatusPart(4) + StatusPart(5), " CAPS ");
    SetKeys(VK_CAPITAL, false, VK_NUMLOCK, true, 1);
    Edit(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(StatusPart(4) + StatusPart(5), "  NUM");
    SetKeys(VK_CAPITAL, false, VK_NUMLOCK, false);
    // The layout's character set reaches the font once it differs.
    HFONT before = App().font.handle;
    App().font.record.charSet = 77;
    KeyboardTimer(App().mainWindow, WM_TIMER, kKeyboardTimer, 0);
    EXPECT_NE(App().font.record.charSet, 77);
    EXPECT_NE(App().font.handle, before);
    before = App().font.handle;
    KeyboardTimer(App().mainWindow, WM_TIMER, kKeyboardTimer, 0);
    EXPECT_EQ(App().font.handle, before);  // unchanged: nothing made again
    EXPECT_EQ(SendMessageA(App().mainWindow, WM_INPUTLANGCHANGE, 204, 0), 1);
    EXPECT_EQ(App().font.record.charSet, 204);
    EXPECT_EQ(App().settings.charset, 1);  // the setting follows only the font dialog
}

// The status bar is the one view option the main window lays out itself.
// The placement shared with other copies is the last one of a window shown
// in its normal state: laying out again while maximised or full screen leaves
// it alone.
TEST_F(MainFrameTest, LayoutWhileMaximisedOrFullScreenKeepsTheNormalSize) {
    Start();
    HWND main = App().mainWindow;
    Command(IDM_STATUS_BAR);
    EXPECT_EQ(App().statusBar, nullptr);
    EXPECT_FALSE(Checked(IDM_STATUS_BAR));
    EXPECT_EQ(IniValue("Status"), "0");
    RECT client;
    RECT edit;
    GetClientRect(main, &client);
    GetWindowRect(App().editView, &edit);
    EXPECT_EQ(edit.bottom - edit.top, client.bottom);
    Type("x");  // no status bar to write to
    Command(IDM_STATUS_BAR);
    EXPECT_TRUE(Checked(IDM_STATUS_BAR));
    EXPECT_EQ(StatusPart(0), "Line 1, column 2, selected 0");

    auto shared = [] {
        Placement p{-1, -1, -1, -1};
        ReadSharedPlacement(&p);
        return std::vector<LONG>{p.x, p.y, p.width, p.height};
    };
    EXPECT_EQ(shared(), (std::vector<LONG>{120, 100, 850, 531}));  // created with the window's own
    ShowWindow(main, SW_HIDE);  // a starting copy keeps its placement to itself until shown
    SetWindowPos(main, nullptr, 200, 150, 300, 250, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(shared(), (std::vector<LONG>{120, 100, 850, 531}));
    ShowWindow(main, SW_SHOWNORMAL);
    SetWindowPos(main, nullptr, 210, 160, 600, 400, SWP_NOZORDER);
    const std::vector<LONG> normal = {210, 160, 600, 400};
    EXPECT_EQ(shared(), normal);
    SendMessageA(main, WM_SYSCOMMAND, SC_MAXIMIZE | 2, 0);
    ASSERT_TRUE(IsZoomed(main));
    EXPECT_EQ(App().settings.maximized, 1);
    EXPECT_FALSE(App().normalState);
    Placement own{};
    ASSERT_TRUE(WindowNormalPlacement(main, &own));
    EXPECT_EQ(std::vector<LONG>({own.x, own.y, own.width, own.height}), normal);
    EXPECT_FALSE(WindowNormalPlacement(nullptr, &own));
    Command(IDM_STATUS_BAR);
    EXPECT_EQ(shared(), normal);
    SendMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(App().settings.maximized, 0);
    EXPECT_TRUE(App().normalState);
    Command(IDM_FULL_SCREEN);
    Command(IDM_STATUS_BAR);
    EXPECT_EQ(shared(), normal);
    Command(IDM_FULL_SCREEN);
    SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(App().settings.maximized, 0);
    EXPECT_FALSE(App().normalState);
    EXPECT_EQ(shared(), normal);
    DestroyWindow(main);
    RecordPosition(GetDesktopWindow(), true, false);  // released with the window: nothing recorded or read
    RecordSize(GetDesktopWindow(), SIZE_RESTORED);
    EXPECT_EQ(shared(), (std::vector<LONG>{-1, -1, -1, -1}));
}

TEST_F(MainFrameTest, EditCommandsReachTheControlAndTheMenuGreysWhatCannotBeDone) {
    Start();
    OpenMenu(1);
    for (unsigned command : {IDM_FIND, IDM_SHOW_CARET, IDM_CUT, IDM_REVERSE, IDM_UNDO}) {
        EXPECT_FALSE(Enabled(command)) << command;
    }
    OpenMenu(5);
    EXPECT_FALSE(Enabled(IDM_CLEAR_RECENT));
    Type("one\rtwo\rthree");
    // Go to line: numbers out of range are refused and the caret's line shown again.
    OnNextDialog([](HWND dialog) {
        char shown[16];
        GetDlgItemTextA(dialog, IDC_GOTO_LINE, shown, sizeof shown);
        EXPECT_STREQ(shown, "3");  // the caret's line
        for (const char* line : {"4", "0"}) {
            SetDlgItemTextA(dialog, IDC_GOTO_LINE, line);
            SendMessageA(dialog, WM_COMMAND, IDC_GOTO_OK, 0);
            GetDlgItemTextA(dialog, IDC_GOTO_LINE, shown, sizeof shown);
            EXPECT_STREQ(shown, "3");
        }
        SetDlgItemTextA(dialog, IDC_GOTO_LINE, "2");
        SendMessageA(dialog, WM_COMMAND, IDC_GOTO_OK, 0);
    });
    Command(IDM_GOTO_LINE);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[0].text, "The line number is out of range.");
    EXPECT_EQ(Edit(EVM_GETCARETINDEX), 5);
    EXPECT_EQ(GetFocus(), App().editView);
    Command(IDM_SELECT_ALL);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{15}));
    OpenMenu(1);
    for (unsigned command : {IDM_FIND, IDM_CUT, IDM_REVERSE, IDM_UNDO}) EXPECT_TRUE(Enabled(command)) << command;
    OpenMenu(0);
    EXPECT_TRUE(Enabled(IDM_SAVE));
    Edit(EM_SETSEL, 6, 6);  // inside "two"
    Pump();
    Command(IDM_SELECT_LINE);
    EXPECT_EQ(App().selectionStart, 5u);
    EXPECT_EQ(App().selectionEnd, 10u);  // the line break included
    Edit(EM_SETSEL, 6, 6);
    Command(IDM_DELETE_LINE);
    EXPECT_EQ(Text(), "one\r\nthree");
    Command(IDM_UNDO);
    EXPECT_EQ(Text(), "one\r\ntwo\r\nthree");
    Command(IDM_REDO);
    EXPECT_EQ(Text(), "one\r\nthree");
}

// The find dialog, driven through its own controls as a user would. The
// search itself is tested on the host; replacing, with its grouped count and
// case ignored, in the editing journey and the failure table.
using Range = std::pair<DWORD, DWORD>;

std::string FindField() {
    char text[300] = "";
    GetDlgItemTextA(App().findDialog, edt1, text, sizeof text);
    return text;
}

// Find again searches for the selected word without a dialog; the main
// window's own copy of the selection may lag behind the control. With
// nothing to find, the dialog opens in its direction. The dialog takes a
// selection as its find text.
TEST_F(MainFrameTest, FindAgainAndTheFindDialogTakeTheSelectionAndWalkTheMatches) {
    Start();
    SetText("one two two one");
    Command(IDM_FIND_NEXT);
    ASSERT_NE(App().findDialog, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(App().findDialog, rad2), BST_CHECKED);
    Command(IDM_FIND_PREVIOUS);
    EXPECT_EQ(IsDlgButtonChecked(App().findDialog, rad1), BST_CHECKED);
    Click(IDCANCEL);
    Edit(EM_SETSEL, 4, 7);
    App().selectionStart = 0;
    App().selectionEnd = 3;
    Command(IDM_FIND_NEXT);
    EXPECT_EQ(Selection(), Range(8, 11));
    Command(IDM_FIND_PREVIOUS);
    EXPECT_EQ(Selection(), Range(4, 7));
    EXPECT_EQ(App().findDialog, nullptr);
    EXPECT_EQ(IniValue("FindDirection"), "<missing>");
    EXPECT_EQ(GetFocus(), App().editView);
    EXPECT_TRUE(Asked().empty());

    Edit(EM_SETSEL, 5, 5);
    Command(IDM_FIND);
    EXPECT_EQ(IsDlgButtonChecked(App().findDialog, rad2), BST_CHECKED);  // down and match case, as the
    EXPECT_EQ(IsDlgButtonChecked(App().findDialog, chx2), BST_CHECKED);  // settings say
    Fill(edt1, "two");
    Click(IDOK);
    EXPECT_EQ(Selection(), Range(8, 11));
    EXPECT_TRUE(Asked().empty());
    Click(IDOK);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].text, "The text was not found.");
    EXPECT_EQ(Asked()[0].caption, "Velmo 2");
    EXPECT_EQ(Asked()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Selection(), Range(8, 11));
    Click(rad1);  // the Match Case box is written in the editing journey
    EXPECT_EQ(IniValue("FindDirection"), "0");
    Click(IDCANCEL);
    EXPECT_EQ(App().findDialog, nullptr);

    // At most 256 bytes of a selection become the find text, line breaks and all.
    SetText("ab\r\ncd ef" + std::string(300, 'q'));
    std::strcpy(App().settings.findString, "abc");
    Edit(EM_SETSEL, 0, 257);
    Command(IDM_FIND);
    EXPECT_EQ(FindField(), "abc");
    Edit(EM_SETSEL, 0, 256);
    Command(IDM_FIND);
    EXPECT_EQ(FindField(), ("ab\r\ncd ef" + std::string(300, 'q')).substr(0, 256));
    Click(IDCANCEL);

    // Replace All sends no change notice: the main window marks the document itself.
    Command(IDM_REPLACE);
    Fill(edt1, "q");
    Click(psh2);
    EXPECT_EQ(Text(), "ab\r\ncd ef");
    EXPECT_EQ(Edit(EM_GETMODIFY), 1);
}

// The questions the main window asks: whether to save changes before they
// go, and whether an edit may go on when its history is full. Without a
// shared placement the window's own is saved at exit; option keys are
// written by their commands only.
TEST_F(MainFrameTest, QuestionsFollowTheAnswerAndExitSavesTheWindowsOwnPlacement) {
    App().settings.status = 0;
    App().settings.wrap = 1;
    // Another kind of object holding the name: the placement cannot be shared.
    HANDLE squatter = CreateMutexA(nullptr, FALSE, "Velmo 2");
    ASSERT_NE(squatter, nullptr);
    Start();
    HWND main = App().mainWindow;
    EXPECT_EQ(App().statusBar, nullptr);
    EXPECT_TRUE(Checked(IDM_WORD_WRAP));
    EXPECT_EQ(OpenFileMappingA(FILE_MAP_READ, FALSE, "Velmo 2"), nullptr);
    LPARAM from = reinterpret_cast<LPARAM>(App().editView);
    Answers() = {IDNO, IDYES};
    EXPECT_EQ(SendMessageA(main, WM_COMMAND, MAKEWPARAM(101, EVN_UNDOFULL), from), IDNO);
    EXPECT_EQ(SendMessageA(main, WM_COMMAND, MAKEWPARAM(101, EVN_REDOFULL), from), IDYES);
    EXPECT_EQ(SendMessageA(main, WM_COMMAND, MAKEWPARAM(101, EN_CHANGE), from), 0);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
    EXPECT_EQ(Asked()[0].caption, "Error");
    Asked().clear();

    Type("d");  // marked: the journeys see it
    Edit(WM_KEYDOWN, VK_BACK);
    Pump();
    EXPECT_EQ(Title(), "Velmo 2 - Untitled");  // untitled and empty again: never counts as modified
    EXPECT_TRUE(ConfirmDiscard());
    EXPECT_TRUE(Asked().empty());
    Type("kept\r");
    Answers() = {IDCANCEL};
    EXPECT_FALSE(ConfirmDiscard());
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
    EXPECT_EQ(GetFocus(), App().editView);
    Answers() = {IDNO};
    EXPECT_TRUE(ConfirmDiscard());
    // Yes on an untitled document asks for a name; cancelling it refuses.
    Answers() = {IDYES};
    EXPECT_FALSE(ConfirmDiscard());
    // Closing asks too, and Cancel keeps the window.
    Answers() = {IDCANCEL};
    SendMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(main));
    // So does the system's shutdown, which is refused or allowed with it.
    Answers() = {IDCANCEL, IDNO};
    EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_EQ(IniValue("x"), "<missing>");
    EXPECT_EQ(SendMessageA(main, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_EQ(IniValue("x"), "120");  // the exit settings, written before the system ends the program
    // Save and close with the save dialog cancelled leaves the window open.
    Command(IDM_SAVE_CLOSE);
    EXPECT_TRUE(IsWindow(main));

    const std::string saved = folder.path() + "saved.txt";
    DialogChoice() = saved;
    Answers() = {IDYES};
    EXPECT_TRUE(ConfirmDiscard());
    EXPECT_EQ(Title(), "Velmo 2 - saved.txt");

    Command(IDM_NEW);
    EXPECT_EQ(Title(), "Velmo 2 - Untitled");
    EXPECT_EQ(Text(), "");
    EXPECT_STREQ(App().documentPath, saved.c_str());  // the next save's suggestion
    // Save and close on a named document saves it and closes at once.
    ASSERT_TRUE(LoadDocument(saved.c_str()));
    Type("!");
    SetWindowPos(main, nullptr, 300, 200, 500, 400, SWP_NOZORDER);
    Pump();
    Command(IDM_SAVE_CLOSE);
    EXPECT_FALSE(IsWindow(main));
    CloseHandle(squatter);
    EXPECT_EQ(FileBytes(saved), "!kept\r\n");
    EXPECT_EQ(IniValue("x") + " " + IniValue("y") + " " + IniValue("Width") + " " + IniValue("Height"),
              "300 200 500 400");
    EXPECT_EQ(IniValue("FullScr"), "0");
    EXPECT_EQ(IniValue("Wrap"), "<missing>");
}

// Taking the focus on losing activation would pull it back from the find
// dialog. Leaving from the notification area shows the window before the
// save question. A language switch frees the library the icon was loaded
// from, so the window's icon is the program's own copy; it goes with the
// window (an icon shared from a library could not be destroyed).
TEST_F(MainFrameTest, FocusTrayAndIconFollowTheWindow) {
    Start();
    HWND main = App().mainWindow;
    HWND other = CreateWindowA("EDIT", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    SetFocus(other);
    SendMessageA(main, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(GetFocus(), other);
    SendMessageA(main, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), App().editView);
    DestroyWindow(other);

    Command(IDM_HIDE_TO_TRAY);
    EXPECT_EQ(IsWindowVisible(main) != 0, !App().trayIconShown);  // hidden only with an icon to come back by
    Type("unsaved");
    Answers() = {IDCANCEL};
    Command(IDM_TRAY_LEAVE);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(App().trayIconShown);

    Command(IDM_LINE_NUMBERS);
    auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(main, GCLP_HICON));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(App().trayIcon.hIcon, icon);
    UINT slovak = LanguageCommand("Slovak");
    ASSERT_NE(slovak, 0u);
    Command(slovak);
    EXPECT_TRUE(Checked(IDM_LINE_NUMBERS));
    EXPECT_EQ(Title().rfind("* Velmo 2 - ", 0), 0u);
    EXPECT_NE(Title(), "* Velmo 2 - Untitled");  // the untitled name in the new language
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(main, GCLP_HICON)), icon);
    EXPECT_EQ(App().trayIcon.hIcon, icon);
    DestroyWindow(main);
    EXPECT_FALSE(GetIconInfo(icon, &info));
}

}  // namespace
}  // namespace velmo::test
