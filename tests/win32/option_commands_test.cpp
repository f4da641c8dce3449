// The option commands on the real main window, with what its control is told
// recorded and the settings file read back after each.
#include "settings/option_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_frame_fixture.h"
#include "app/status_bar.h"
#include "editview/editview_messages.h"
#include "resource_ids.h"
#include "settings/logical_font.h"
#include "settings/settings_file.h"

namespace velmo::test {
namespace {

using SentList = std::vector<std::tuple<UINT, WPARAM, LPARAM>>;

SentList sent;
WNDPROC controlProc = nullptr;

// Keeps the settings the control is sent; the main window's questions about
// the caret are left out.
LRESULT CALLBACK RecordSettings(HWND window, UINT message, WPARAM w, LPARAM l) {
    bool asks = message == EVM_GETCARETINDEX || (message >= EVM_GETOVERWRITE && message <= EVM_GETCARETCOLUMN);
    if ((message > EVM_FILEIO && message <= EVM_SETCENTERAFTERFIND && !asks) || message == WM_SETFONT) {
        sent.emplace_back(message, w, l);
    }
    return CallWindowProcA(controlProc, window, message, w, l);
}

// The main window's state: 1 topmost, 2 full screen, 0 neither; -1 neither
// full screen nor normal.
int WindowState(HWND window) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    bool full = (style & WS_POPUP) && (style & WS_SYSMENU) && !(style & WS_CAPTION) && IsZoomed(window);
    bool normal = (style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW && !(style & WS_POPUP) && !IsZoomed(window);
    if (full == normal) return -1;
    return (full ? 2 : 0) | ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 ? 1 : 0);
}

struct OptionRow {
    unsigned command;
    IntSetting member;  // its key is written at once unless it is one saved at exit
    UINT message;       // sent to the control with the new value; 0: none
    int state;          // the main window's state when on; those with one also show it
};

// In the order the control gets them at start, then those of the main window.
const OptionRow kRows[] = {
    {503, &Settings::txtColor, EVM_SETTEXTCOLOR, 0},
    {504, &Settings::bkgColor, EVM_SETBKCOLOR, 0},
    {505, &Settings::selColor, EVM_SETSELCOLOR, 0},
    {506, &Settings::txtInactiveColor, EVM_SETTEXTINACTIVECOLOR, 0},
    {507, &Settings::bkgInactiveColor, EVM_SETBKINACTIVECOLOR, 0},
    {508, &Settings::selInactiveColor, EVM_SETSELINACTIVECOLOR, 0},
    {509, &Settings::lineNumbersColor, EVM_SETLINENUMBERSCOLOR, 0},
    {510, &Settings::bkgLineNumbersColor, EVM_SETBKLINENUMBERSCOLOR, 0},
    {511, &Settings::lineNumbersInactiveColor, EVM_SETLINENUMBERSINACTIVECOLOR, 0},
    {512, &Settings::bkgLineNumbersInactiveColor, EVM_SETBKLINENUMBERSINACTIVECOLOR, 0},
    {405, &Settings::lineNumbers, EVM_SHOWLINENUMBERS, 0},
    {406, &Settings::controlChars, EVM_SHOWCONTROLCHARS, 0},
    {401, &Settings::wrap, EVM_SETWORDWRAP, 0},
    {502, &Settings::centerVertAfterFind, EVM_SETCENTERAFTERFIND, 0},
    {500, &Settings::stayOnTop, 0, 1},
    {404, &Settings::fullScr, 0, 2},
};

bool IsColour(unsigned command) { return command >= kCmdFirstColour && command <= kCmdLastColour; }

class OptionsTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        Start();
        // The font follows the keyboard layout from the timer's first tick on; that tick goes before recording.
        KeyboardTimer(App().mainWindow, WM_TIMER, kKeyboardTimer, 0);
        controlProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(App().editView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordSettings)));
        sent.clear();
        DeleteFileA(iniPath.c_str());
    }
};

class OptionRowTest : public OptionsTest, public ::testing::WithParamInterface<OptionRow> {};

// Run twice, each command changes its setting and back (a colour to the one
// chosen, here the inverse of the one offered), with its check mark, message
// and key each time, and leaves the window where it was.
TEST_P(OptionRowTest, ChangesItsSettingCheckAndControlAndWritesItsKey) {
    const OptionRow& row = GetParam();
    const IntKey& key = KeyOf(row.member);
    HWND main = App().mainWindow;
    OptionContext context = Options();
    context.pickColour = [main](HWND owner, COLORREF offered, COLORREF* chosen) {
        EXPECT_EQ(owner, main);
        *chosen = offered ^ 0xFFFFFF;
        return true;
    };
    ShowWindow(main, SW_HIDE);
    RECT before;
    GetWindowRect(main, &before);
    Settings& s = App().settings;
    const std::int32_t original = s.*row.member;
    for (std::int32_t expected : {IsColour(row.command) ? original ^ 0xFFFFFF : !original, original}) {
        sent.clear();
        DeleteFileA(iniPath.c_str());
        ASSERT_TRUE(RunOptionCommand(context, row.command));
        EXPECT_EQ(s.*row.member, expected);
        EXPECT_EQ(Checked(row.command), !IsColour(row.command) && expected != 0);
        SentList message = {{row.message, static_cast<WPARAM>(expected), 0}};
        EXPECT_EQ(sent, row.message == 0 ? SentList{} : message);
        std::string written = "[Velmo 2]\r\n" + std::string(key.name) + "=" + std::to_string(expected) + "\r\n";
        EXPECT_EQ(FileBytes(iniPath), key.writtenAtExit ? "<missing>" : written);  // that key alone
        EXPECT_EQ(WindowState(main), expected != 0 ? row.state : 0);
        EXPECT_EQ(IsWindowVisible(main) != 0, row.state != 0);
        EXPECT_EQ(s.maximized, s.fullScr);
    }
    RECT after;
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

INSTANTIATE_TEST_SUITE_P(Options, OptionRowTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(KeyOf(info.param.member).name); });

TEST_F(OptionsTest, TheControlGetsEveryDisplaySettingAtStart) {
    SentList expected;
    Settings s = App().settings;
    for (const OptionRow& row : kRows) {
        s.*row.member = static_cast<std::int32_t>(row.command);
        if (row.message != 0) expected.emplace_back(row.message, row.command, 0);
    }
    s.paddingBelow = 5;
    expected.insert(expected.begin() + 10, {{EVM_SETPADDING, 0, 5}, {EVM_SETMARGINS, 3, 3}});
    SendDisplaySettings(App().editView, s);
    EXPECT_EQ(sent, expected);
    SendDisplaySettings(App().editView, App().settings);  // the control's state outlives the window
}

// Cancelled, the system's colour and font dialogs change and write nothing;
// confirmed, the colour dialog gives the colour it was opened with. The font
// dialog gets the font's own record, whose character set may have followed
// the keyboard; confirmed, the new font replaces the old one. What the font
// then shows, prints and writes: the options and printing journeys.
TEST_F(OptionsTest, DialogAnswersAreAppliedAndWritten) {
    EditingFont& font = App().font;
    HFONT old = font.handle;
    App().settings.txtColor = 0x123456;
    for (unsigned command : {IDM_COLOR_TEXT, IDM_FONT}) {
        OnNextDialog([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
        Command(command);
    }
    EXPECT_EQ(font.handle, old);
    EXPECT_EQ(font.printPointSize, 100);  // until a font is chosen in this run
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(FileBytes(iniPath), "<missing>");
    OnNextDialog([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    Command(IDM_COLOR_TEXT);
    EXPECT_EQ(sent, (SentList{{EVM_SETTEXTCOLOR, 0x123456, 0}}));
    EXPECT_EQ(IniValue("TxtColor"), "1193046");
    sent.clear();
    font.record.charSet = 204;
    OptionContext context = Options();
    context.pickFont = [&](HWND owner, LOGFONTA* chosen, INT* pointSize) {
        EXPECT_EQ(owner, App().mainWindow);
        FontRecord offered = FontRecordFromLogFont(*chosen);
        EXPECT_EQ(std::memcmp(&offered, &font.record, sizeof offered), 0);
        *pointSize = 150;
        return true;
    };
    EXPECT_TRUE(RunOptionCommand(context, kCmdFont));
    EXPECT_EQ(GetObjectType(old), 0u);  // the old font is gone
    EXPECT_EQ(App().settings.charset, 204);
    EXPECT_EQ(sent, (SentList{{WM_SETFONT, reinterpret_cast<WPARAM>(font.handle), TRUE}}));
    context.font = nullptr;
    EXPECT_FALSE(ChooseEditingFont(context));
}

// Out-of-range values are clamped to what the layout can take, by the
// dialogs and again after them; a number too large for 32 bits is not a
// number and keeps the old value. Both keys are written whatever the dialog did.
TEST_F(OptionsTest, SpacingAndMarginsAreClampedSentAndWritten) {
    OnNextDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_SPACING_ABOVE, "250");
        SetDlgItemTextA(dialog, IDC_SPACING_BELOW, "99999999999");
        SendMessageA(dialog, WM_COMMAND, IDC_SPACING_OK, 0);
    });
    Command(IDM_LINE_SPACING);
    OnNextDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_MARGIN_LEFT, "5000");
        SetDlgItemTextA(dialog, IDC_MARGIN_RIGHT, "7");
        SendMessageA(dialog, WM_COMMAND, IDC_MARGIN_OK, 0);
    });
    Command(IDM_MARGINS);
    // The spacing dialog shows its values at once, before they are applied.
    EXPECT_EQ(sent, (SentList{{EVM_SETPADDING, 250, 0}, {EVM_SETPADDING, 250, 0}, {EVM_SETMARGINS, 1000, 7}}));
    EXPECT_EQ(FileBytes(iniPath),
              "[Velmo 2]\r\nPaddingAbove=250\r\nPaddingBelow=0\r\nLeftMargin=1000\r\nRightMargin=7\r\n");
    DeleteFileA(iniPath.c_str());
    sent.clear();
    App().settings.paddingBelow = 70000;
    App().settings.leftMargin = -4;
    for (unsigned command : {IDM_LINE_SPACING, IDM_MARGINS}) {
        OnNextDialog([](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_MARGIN_LEFT, "1");
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        Command(command);
    }
    EXPECT_EQ(sent, (SentList{{EVM_SETPADDING, 250, 1000}, {EVM_SETMARGINS, 0, 7}}));
    EXPECT_EQ(FileBytes(iniPath),
              "[Velmo 2]\r\nPaddingAbove=250\r\nPaddingBelow=1000\r\nLeftMargin=0\r\nRightMargin=7\r\n");
}

}  // namespace
}  // namespace velmo::test
