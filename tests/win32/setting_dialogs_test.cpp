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

// Confirmed, the colour dialog gives the colour it was opened with (the font
// dialog is confirmed in the print and journey tests); cancelled, neither
// gives anything.
TEST(SettingDialogsTest, ColourDialogOffersTheCurrentColourAndCancelGivesNothing) {
    UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerDialogs);
    COLORREF chosen = 0;
    EXPECT_TRUE(ShowColourDialog(nullptr, 0x123456, &chosen));
    EXPECT_EQ(chosen, 0x123456u);
    answer = IDCANCEL;
    EXPECT_FALSE(ShowColourDialog(nullptr, 0xFFFFFF, &chosen));
    EXPECT_EQ(chosen, 0x123456u);
    LOGFONTA font{};
    INT pointSize = 7;
    EXPECT_FALSE(ShowFontDialog(nullptr, &font, &pointSize));
    EXPECT_EQ(pointSize, 7);
    answer = IDOK;
    KillTimer(nullptr, timer);
}

}  // namespace
}  // namespace velmo
