// The find dialog of the real main window, driven through its own controls
// as a user would. The search itself is tested on the host; replacing, with
// its grouped count and case ignored, in the editing journey and the failure
// table. Here what the dialog, the menu and the messages add to the search.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <utility>

#include "app/app_state.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

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
}

}  // namespace
}  // namespace velmo::test
