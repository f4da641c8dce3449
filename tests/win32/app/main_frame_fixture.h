#pragma once
// The real main window inside the test program: the distribution's language
// libraries, a settings file of its own, and message boxes answered by the
// test instead of the user.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/app_state.h"
#include "language_test_support.h"
#include "settings/private_profile.h"
#include "temp_folder.h"

namespace velmo::test {

struct AskedBox {
    std::string text;
    std::string caption;
    UINT type;
};

// The helpers are public so that the cases of a table can use them.
class MainFrameTest : public ::testing::Test {
public:
    // Answers given to the next message boxes, in order; IDOK when none left.
    static std::vector<int>& Answers() {
        static std::vector<int> answers;
        return answers;
    }
    static std::vector<AskedBox>& Asked() {
        static std::vector<AskedBox> asked;
        return asked;
    }
    // The path the open and save dialogs choose; empty: they are cancelled.
    static std::string& DialogChoice() {
        static std::string choice;
        return choice;
    }

    void SetUp() override;
    void TearDown() override;

    // Creates the window; tests may change App().settings before.
    void Start();

    LRESULT Edit(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(App().editView, message, wParam, lParam);
    }
    void Command(unsigned command) { SendMessageA(App().mainWindow, WM_COMMAND, command, 0); }
    void Type(const std::string& text);
    void SetText(const std::string& text);
    std::string Text();
    std::string Title();
    std::string StatusPart(int part);
    bool Checked(unsigned command);
    bool Enabled(unsigned command);
    // The value of `key` in the program's section of the settings file; "<missing>" when none.
    std::string IniValue(const char* key);
    std::pair<DWORD, DWORD> Selection();
    // The find or replace dialog: a field filled, a button clicked as a user would.
    void Fill(int id, const std::string& text) { SetDlgItemTextA(App().findDialog, id, text.c_str()); }
    void Click(int id);
    static void Pump();
    // A file of the test's folder with exactly `bytes`; returns its path.
    std::string WriteTestFile(const char* name, const std::string& bytes) {
        return WriteFileBytes(folder.path() + name, bytes);
    }
    // The command of the Language submenu's item for `name`, 0 when none.
    static UINT LanguageCommand(const char* name);
    // Tells the window the menu at `index` of its bar is about to open.
    static void OpenMenu(int index);

    TempFolder folder;
    std::string iniPath;
    std::unique_ptr<PrivateProfile> profile;
};

// Handles this thread's messages and polls `done` every 10 ms until it holds
// or `ms` have passed; returns whether it holds.
template <typename Done>
bool WaitUntil(Done done, DWORD ms = 20000) {
    for (DWORD waited = 0; waited < ms && !done(); waited += 10) {
        MainFrameTest::Pump();
        Sleep(10);
    }
    return done();
}

// Runs `action` on the dialog that a modal call opens, from a timer that
// fires inside the dialog's own message loop. A later call, or the end of
// the test, drops an action no dialog took.
void OnNextDialog(void (*action)(HWND dialog));

}  // namespace velmo::test
