// The find and replace dialogs of the real main window, driven through their
// own controls as a user would: the fields filled, the buttons clicked. The
// messages the user then sees are answered by the fixture and checked.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <utility>

#include "app/app_state.h"
#include "common/memory_blocks.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo::test {
namespace {

class FindDialogTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        Start();
    }
    void TearDown() override {
        SystemHeap().FailAfter(0);
        MainFrameTest::TearDown();
    }
    HWND Dialog() { return App().findDialog; }
    std::string Field(int id) {
        char text[300] = "";
        GetDlgItemTextA(Dialog(), id, text, sizeof text);
        return text;
    }
    void Fill(int id, const std::string& text) { SetDlgItemTextA(Dialog(), id, text.c_str()); }
    // A button pressed: what the dialog does for a click.
    void Press(int id) {
        SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(Dialog(), id)));
        Pump();
    }
    // A check box or radio button clicked, its state changing as it would.
    void Click(int id) {
        SendMessageA(GetDlgItem(Dialog(), id), BM_CLICK, 0, 0);
        Pump();
    }
    bool ButtonChecked(int id) { return IsDlgButtonChecked(Dialog(), id) == BST_CHECKED; }
    std::pair<DWORD, DWORD> Selection() {
        DWORD start = 0, end = 0;
        Edit(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    std::string LastMessage() { return Asked().empty() ? "<none>" : Asked().back().text; }
};

using Range = std::pair<DWORD, DWORD>;

TEST_F(FindDialogTest, FindNextWalksTheMatchesAndSaysWhenThereAreNoMore) {
    SetText("one two two");
    Command(IDM_FIND);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(ButtonChecked(rad2));  // down, as the settings say
    EXPECT_TRUE(ButtonChecked(chx2));  // match case
    Fill(edt1, "two");
    Press(IDOK);
    EXPECT_EQ(Selection(), Range(4, 7));
    Press(IDOK);
    EXPECT_EQ(Selection(), Range(8, 11));
    EXPECT_TRUE(Asked().empty());
    Press(IDOK);
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].text, LanguageText(IDS_NOT_FOUND));
    EXPECT_EQ(Asked()[0].caption, LanguageText(IDS_NOTICE_CAPTION));
    EXPECT_EQ(Asked()[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(Selection(), Range(8, 11));
    Press(IDCANCEL);
    EXPECT_EQ(Dialog(), nullptr);
}

TEST_F(FindDialogTest, ReplaceThenReplaceAllIsOneUndoStep) {
    SetText("x1x1x1");
    Command(IDM_REPLACE);
    ASSERT_NE(Dialog(), nullptr);
    Fill(edt1, "1");
    Fill(edt2, "22");
    Press(psh1);  // Replace: nothing selected yet, so it only finds
    EXPECT_EQ(Text(), "x1x1x1");
    EXPECT_EQ(Selection(), Range(1, 2));
    Press(psh1);
    EXPECT_EQ(Text(), "x22x1x1");
    EXPECT_EQ(Selection(), Range(4, 5));
    Press(psh2);  // Replace All
    EXPECT_EQ(Text(), "x22x22x22");
    EXPECT_EQ(LastMessage(), "Replaced 2 times.");
    EXPECT_EQ(Asked().back().caption, "Velmo 2");
    EXPECT_EQ(Edit(EM_GETMODIFY), 1);
    Edit(EM_UNDO);
    EXPECT_EQ(Text(), "x22x1x1");
}

TEST_F(FindDialogTest, TheReplacedCountIsGroupedInThrees) {
    std::string text;
    for (int i = 0; i < 1234; ++i) text += "ab";
    SetText(text);
    Command(IDM_REPLACE);
    Fill(edt1, "A");
    Fill(edt2, "");
    Click(chx2);  // case ignored
    Press(psh2);
    EXPECT_EQ(LastMessage(), "Replaced 1 234 times.");
    EXPECT_EQ(Text(), std::string(1234, 'b'));
}

TEST_F(FindDialogTest, FindAgainSearchesForTheSelectedWordWithoutADialog) {
    SetText("one two two one");
    Edit(EM_SETSEL, 4, 7);
    // The main window's own copy of the selection may lag behind the control.
    App().selectionStart = 0;
    App().selectionEnd = 3;
    Command(IDM_FIND_NEXT);
    EXPECT_EQ(Selection(), Range(8, 11));
    Command(IDM_FIND_PREVIOUS);
    EXPECT_EQ(Selection(), Range(4, 7));
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(IniValue("FindDirection"), "<missing>");
    EXPECT_EQ(GetFocus(), App().editView);
}

TEST_F(FindDialogTest, FindAgainWithNothingToFindOpensTheDialogInItsDirection) {
    SetText("abc");
    Command(IDM_FIND_NEXT);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(ButtonChecked(rad2));
    Command(IDM_FIND_PREVIOUS);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(ButtonChecked(rad1));
    EXPECT_TRUE(Asked().empty());
}

TEST_F(FindDialogTest, ASelectionOfAtMost256BytesBecomesTheFindText) {
    SetText(std::string(300, 'q'));
    std::strcpy(App().settings.findString, "abc");
    Edit(EM_SETSEL, 0, 257);
    Command(IDM_FIND);
    EXPECT_EQ(Field(edt1), "abc");
    Edit(EM_SETSEL, 0, 256);
    Command(IDM_FIND);
    EXPECT_EQ(Field(edt1), std::string(256, 'q'));
}

TEST_F(FindDialogTest, MatchCaseAndDirectionAreWrittenAtOnce) {
    Command(IDM_FIND);
    Click(chx2);
    EXPECT_EQ(IniValue("FindCase"), "0");
    Click(chx2);
    EXPECT_EQ(IniValue("FindCase"), "1");
    Click(rad1);
    EXPECT_EQ(IniValue("FindDirection"), "0");
    Click(rad2);
    EXPECT_EQ(IniValue("FindDirection"), "1");
}

TEST_F(FindDialogTest, SearchTextsAreSavedAtExitUpToTheirFirstLineBreak) {
    SetText("ab\r\ncd ef");
    Edit(EM_SETSEL, 0, 6);
    Command(IDM_FIND);
    EXPECT_EQ(std::string(App().settings.findString), "ab\r\ncd");
    std::strcpy(App().settings.replaceString, "r1\nr2");
    DestroyWindow(App().mainWindow);
    Pump();
    EXPECT_EQ(IniValue("FindString"), "ab");
    EXPECT_EQ(IniValue("ReplaceString"), "r1");
}

}  // namespace
}  // namespace velmo::test
