#include "main_frame_fixture.h"

#include <commctrl.h>

#include "common/memory_blocks.h"
#include "documents/document_files.h"
#include "settings/message_boxes.h"
#include "app/run_main_window.h"
#include "editview/editview.h"
#include "editview/editview_messages.h"
#include "language_test_support.h"
#include "settings/language_library.h"
#include "settings/language_menu.h"
#include "settings/settings_validation.h"
#include "test_window.h"

namespace velmo::test {

namespace {

int Answer(HWND, const char* text, const char* caption, UINT type) {
    MainFrameTest::Asked().push_back({text, caption != nullptr ? caption : "", type});
    std::vector<int>& answers = MainFrameTest::Answers();
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

bool ChooseFileForTest(HWND, FileDialogKind, char (&path)[kMaxPath]) {
    const std::string& choice = MainFrameTest::DialogChoice();
    return !choice.empty() && BoundedCopy(path, kMaxPath, choice.c_str());
}

void (*dialogAction)(HWND) = nullptr;
UINT_PTR dialogTimer = 0;

void ForgetDialogAction() {
    if (dialogTimer != 0) KillTimer(nullptr, dialogTimer);
    dialogTimer = 0;
    dialogAction = nullptr;
}

void CALLBACK DialogTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = GetActiveWindow();
    if (dialog == nullptr || dialog == App().mainWindow || dialogAction == nullptr) return;
    auto action = dialogAction;
    ForgetDialogAction();
    action(dialog);
}

}  // namespace

void OnNextDialog(void (*action)(HWND dialog)) {
    ForgetDialogAction();
    dialogAction = action;
    dialogTimer = SetTimer(nullptr, 0, 30, DialogTimer);
}

void MainFrameTest::SetUp() {
    Answers().clear();
    Asked().clear();
    SetMessageBoxFunction(Answer);
    DialogChoice().clear();
    SetFileDialogFunction(ChooseFileForTest);
    App() = AppState{};
    AppState& app = App();
    app.instance = GetModuleHandleA(nullptr);
    RegisterEditViewClass(app.instance);
    ASSERT_TRUE(DeriveProgramPaths((DistFolder() + "Velmo.exe").c_str(), &app.paths));
    iniPath = folder.path() + "Velmo.ini";
    profile = std::make_unique<PrivateProfile>(iniPath.c_str());
    app.profile = profile.get();
    app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    app.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    app.settings = DefaultSettings();
    ValidateSettings(app.settings, app.screenWidth, app.screenHeight);
    ReleaseLanguage();
    ASSERT_TRUE(StartLanguage(app.paths.folder, &app.language));
}

void MainFrameTest::Start() {
    ASSERT_NE(StartMainWindow("test.exe", SW_SHOWNORMAL), nullptr);
    Pump();
}

void MainFrameTest::TearDown() {
    SystemHeap().FailAfter(0);  // a test that armed failures may have stopped early
    SystemHeap().FailAlways(false);
    ForgetDialogAction();
    AppState& app = App();
    if (app.mainWindow != nullptr && IsWindow(app.mainWindow)) {
        Edit(EM_SETMODIFY, 0);
        DestroyWindow(app.mainWindow);
    }
    Pump();
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    SetMessageBoxFunction(nullptr);
    SetFileDialogFunction(nullptr);
    ReleaseLanguage();
    App() = AppState{};
}

void MainFrameTest::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void MainFrameTest::Type(const std::string& text) {
    for (char c : text) Edit(WM_CHAR, static_cast<unsigned char>(c));
    Pump();
}

void MainFrameTest::SetText(const std::string& text) {
    SetEditText(App().editView, text);
    Pump();
}

std::string MainFrameTest::Text() { return EditText(App().editView); }

std::string MainFrameTest::Title() {
    char title[300];
    GetWindowTextA(App().mainWindow, title, sizeof title);
    return title;
}

std::string MainFrameTest::StatusPart(int part) {
    HWND bar = App().statusBar;
    if (bar == nullptr) return "<no status bar>";
    char text[300] = "";
    LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0);
    if (LOWORD(length) >= sizeof text) return "<too long>";
    SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
}

bool MainFrameTest::Checked(unsigned command) {
    return (GetMenuState(GetMenu(App().mainWindow), command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MainFrameTest::Enabled(unsigned command) {
    return (GetMenuState(GetMenu(App().mainWindow), command, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

std::string MainFrameTest::IniValue(const char* key) {
    char value[300];
    GetPrivateProfileStringA("Velmo 2", key, "<missing>", value, sizeof value, iniPath.c_str());
    return value;
}

std::pair<DWORD, DWORD> MainFrameTest::Selection() {
    DWORD start = 0;
    DWORD end = 0;
    Edit(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void MainFrameTest::Click(int id) {
    SendMessageA(GetDlgItem(App().findDialog, id), BM_CLICK, 0, 0);
    Pump();
}

UINT MainFrameTest::LanguageCommand(const char* name) {
    RebuildLanguageMenu(App().paths.folder);
    HMENU languages = LanguageMenu();
    for (int i = 0; i < GetMenuItemCount(languages); ++i) {
        if (MenuText(languages, i, MF_BYPOSITION).find(name) != std::string::npos) return GetMenuItemID(languages, i);
    }
    return 0;
}

void MainFrameTest::OpenMenu(int index) {
    HMENU menu = GetSubMenu(GetMenu(App().mainWindow), index);
    SendMessageA(App().mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), index);
}

}  // namespace velmo::test
