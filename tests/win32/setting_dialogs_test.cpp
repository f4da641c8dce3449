// The system's colour and font dialogs, answered by a timer that presses a
// button of every dialog box of this thread, so that no test waits for a person.
#include "settings/setting_dialogs.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

namespace velmo {
namespace {

WPARAM answer = IDOK;

BOOL CALLBACK PressButton(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) PostMessageA(window, WM_COMMAND, answer, 0);
    return TRUE;
}

void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), PressButton, 0); }

class SettingDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { timer_ = SetTimer(nullptr, 0, 100, AnswerDialogs); }
    void TearDown() override { KillTimer(nullptr, timer_); }
    UINT_PTR timer_ = 0;
};

TEST_F(SettingDialogsTest, ColourDialogOffersTheCurrentColour) {
    COLORREF chosen = 0;
    answer = IDOK;
    EXPECT_TRUE(ShowColourDialog(nullptr, 0x123456, &chosen));
    EXPECT_EQ(chosen, 0x123456u);
    chosen = 7;
    answer = IDCANCEL;
    EXPECT_FALSE(ShowColourDialog(nullptr, 0xFFFFFF, &chosen));
    EXPECT_EQ(chosen, 7u);
}

TEST_F(SettingDialogsTest, FontDialogReturnsAFaceOrNothing) {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfWeight = 400;
    lstrcpyA(font.lfFaceName, "Tahoma");
    INT pointSize = 0;
    answer = IDOK;
    EXPECT_TRUE(ShowFontDialog(nullptr, &font, &pointSize));
    EXPECT_NE(font.lfFaceName[0], '\0');
    EXPECT_NE(font.lfHeight, 0);
    EXPECT_GT(pointSize, 0);
    LOGFONTA before = font;
    pointSize = 7;
    answer = IDCANCEL;
    EXPECT_FALSE(ShowFontDialog(nullptr, &font, &pointSize));
    EXPECT_EQ(std::memcmp(&before, &font, sizeof font), 0);
    EXPECT_EQ(pointSize, 7);
}

}  // namespace
}  // namespace velmo
