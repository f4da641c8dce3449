#include "settings/setting_dialogs.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

namespace velmo {
namespace {

// The real common dialogs, answered by a timer that presses a button of
// every dialog box of this thread, so that no test waits for a person.
WPARAM answer = IDOK;
int dialogsAnswered = 0;

BOOL CALLBACK PressButton(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window)) {
        PostMessageA(window, WM_COMMAND, answer, 0);
        ++dialogsAnswered;
    }
    return TRUE;
}

void CALLBACK AnswerDialogs(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), PressButton, 0);
}

class AnsweredDialogs {
public:
    explicit AnsweredDialogs(WPARAM button) : timer_(SetTimer(nullptr, 0, 100, AnswerDialogs)) {
        answer = button;
        dialogsAnswered = 0;
    }
    ~AnsweredDialogs() { KillTimer(nullptr, timer_); }

private:
    UINT_PTR timer_;
};

TEST(SettingDialogsTest, ColourDialogOffersTheCurrentColour) {
    COLORREF chosen = 0;
    {
        AnsweredDialogs ok(IDOK);
        EXPECT_TRUE(ShowColourDialog(nullptr, 0x123456, &chosen));
        EXPECT_GE(dialogsAnswered, 1);
    }
    EXPECT_EQ(chosen, 0x123456u);
    chosen = 7;
    AnsweredDialogs cancel(IDCANCEL);
    EXPECT_FALSE(ShowColourDialog(nullptr, 0xFFFFFF, &chosen));
    EXPECT_EQ(chosen, 7u);
}

TEST(SettingDialogsTest, FontDialogReturnsAFaceOrNothing) {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfWeight = 400;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(font.lfFaceName, "Tahoma");
    INT pointSize = 0;
    {
        AnsweredDialogs ok(IDOK);
        EXPECT_TRUE(ShowFontDialog(nullptr, &font, &pointSize));
    }
    EXPECT_NE(font.lfFaceName[0], '\0');
    EXPECT_NE(font.lfHeight, 0);
    EXPECT_GT(pointSize, 0);
    LOGFONTA before = font;
    pointSize = 7;
    AnsweredDialogs cancel(IDCANCEL);
    EXPECT_FALSE(ShowFontDialog(nullptr, &font, &pointSize));
    EXPECT_EQ(std::memcmp(&before, &font, sizeof font), 0);
    EXPECT_EQ(pointSize, 7);
}

}  // namespace
}  // namespace velmo
