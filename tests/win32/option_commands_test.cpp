#include "settings/option_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../settings/memory_profile.h"
#include "editview/editview_messages.h"
#include "settings/logical_font.h"
#include "settings/window_placement.h"

namespace velmo {
namespace {

struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Sent&) const = default;
};

std::vector<Sent> sentToView;

// Stands in for the edit control: records what the option commands send
// and switches the wrap mode as asked.
LRESULT CALLBACK RecordingViewProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message >= WM_USER || message == WM_SETFONT) sentToView.push_back({message, w, l});
    if (message == EVM_SETWORDWRAP) return static_cast<LRESULT>(w);
    return DefWindowProcA(window, message, w, l);
}

void RegisterTestClasses() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA frame{};
    frame.lpfnWndProc = DefWindowProcA;
    frame.hInstance = GetModuleHandleA(nullptr);
    frame.lpszClassName = "VelmoOptionsFrame";
    RegisterClassA(&frame);
    WNDCLASSA view = frame;
    view.lpfnWndProc = RecordingViewProc;
    view.lpszClassName = "VelmoOptionsView";
    RegisterClassA(&view);
    registered = true;
}

class OptionCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        menu = CreateMenu();
        HMENU options = CreatePopupMenu();
        for (unsigned command = 401; command <= 514; ++command) AppendMenuA(options, MF_STRING, command, "option");
        AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "Options");
        mainWindow = CreateWindowExA(0, "VelmoOptionsFrame", "Velmo 2", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100,
                                     80, 600, 400, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(mainWindow, nullptr);
        editView = CreateWindowExA(0, "VelmoOptionsView", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, mainWindow,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        settings = DefaultSettings();
        font.record = FontRecordFromSettings(settings);
        font.handle = CreateFontFromRecord(font.record);
        context = OptionContext{mainWindow, editView, menu, &settings, &file, &font};
        context.pickColour = [](HWND, COLORREF, COLORREF*) -> bool { ADD_FAILURE() << "no colour dialog"; return false; };
        context.pickFont = [](HWND, LOGFONTA*, INT*) -> bool { ADD_FAILURE() << "no font dialog"; return false; };
        sentToView.clear();
    }
    void TearDown() override {
        DestroyWindow(mainWindow);
        if (font.handle != nullptr) DeleteObject(font.handle);
    }
    bool Checked(unsigned command) const {
        return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    LONG Style() const { return GetWindowLongA(mainWindow, GWL_STYLE); }

    HMENU menu = nullptr;
    HWND mainWindow = nullptr;
    HWND editView = nullptr;
    Settings settings{};
    MemoryProfile file;
    EditingFont font{};
    OptionContext context{};
};

TEST_F(OptionCommandsTest, ViewTogglesSendCheckAndWrite) {
    struct Case {
        unsigned command;
        IntSetting member;
        UINT message;
        const char* key;
    };
    const Case cases[] = {{401, &Settings::wrap, EVM_SETWORDWRAP, "Wrap"},
                          {405, &Settings::lineNumbers, EVM_SHOWLINENUMBERS, "LineNumbers"},
                          {406, &Settings::controlChars, EVM_SHOWCONTROLCHARS, "ControlChars"},
                          {502, &Settings::centerVertAfterFind, EVM_SETCENTERAFTERFIND, "CenterVertAfterFind"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        sentToView.clear();
        file.writes.clear();
        ASSERT_TRUE(RunOptionCommand(context, c.command));
        EXPECT_EQ(settings.*c.member, 1);
        EXPECT_TRUE(Checked(c.command));
        EXPECT_EQ(file.values[c.key], "1");
        ASSERT_TRUE(ToggleViewOption(context, c.command));
        EXPECT_EQ(settings.*c.member, 0);
        EXPECT_FALSE(Checked(c.command));
        EXPECT_EQ(file.values[c.key], "0");
        std::vector<Sent> expected = {{c.message, 1, 0}, {c.message, 0, 0}};
        EXPECT_EQ(sentToView, expected);
        EXPECT_EQ(file.writes, (std::vector<std::string>{c.key, c.key}));
    }
    EXPECT_FALSE(ToggleViewOption(context, 403));
}

TEST_F(OptionCommandsTest, CommandsThatNeedTheCallerAreLeftToIt) {
    for (unsigned command : {403u, 501u, 513u, 514u, 400u, 10000u}) EXPECT_FALSE(RunOptionCommand(context, command));
    EXPECT_TRUE(file.writes.empty());
    EXPECT_TRUE(sentToView.empty());
    EXPECT_FALSE(ToggleStatusBarOption(context));
    EXPECT_EQ(settings.status, 0);
    EXPECT_FALSE(Checked(403));
    EXPECT_EQ(file.values["Status"], "0");
}

TEST_F(OptionCommandsTest, ColourConfirmedIsAppliedAndWritten) {
    COLORREF offered = 0;
    context.pickColour = [&](HWND owner, COLORREF initial, COLORREF* chosen) {
        EXPECT_EQ(owner, mainWindow);
        offered = initial;
        *chosen = 0x123456;
        return true;
    };
    EXPECT_TRUE(RunOptionCommand(context, 505));
    EXPECT_EQ(offered, 0xC56A31u);
    EXPECT_EQ(settings.selColor, 0x123456);
    EXPECT_EQ(sentToView, (std::vector<Sent>{{EVM_SETSELCOLOR, 0x123456, 0}}));
    EXPECT_EQ(file.writes, std::vector<std::string>{"SelColor"});
    EXPECT_EQ(file.values["SelColor"], "1193046");

    // Every colour command reaches its own setting and message.
    const IntSetting members[] = {&Settings::txtColor, &Settings::bkgColor, &Settings::selColor,
                                  &Settings::txtInactiveColor, &Settings::bkgInactiveColor,
                                  &Settings::selInactiveColor, &Settings::lineNumbersColor,
                                  &Settings::bkgLineNumbersColor, &Settings::lineNumbersInactiveColor,
                                  &Settings::bkgLineNumbersInactiveColor};
    for (unsigned i = 0; i < 10; ++i) {
        sentToView.clear();
        context.pickColour = [i](HWND, COLORREF, COLORREF* chosen) {
            *chosen = 0x010101 * (i + 1);
            return true;
        };
        EXPECT_TRUE(ChooseOptionColour(context, 503 + i));
        EXPECT_EQ(settings.*members[i], static_cast<std::int32_t>(0x010101 * (i + 1)));
        ASSERT_EQ(sentToView.size(), 1u);
        EXPECT_EQ(sentToView[0].message, EVM_SETTEXTCOLOR + i);
        EXPECT_EQ(file.writes.back(), KeyOf(members[i]).name);
    }
}

TEST_F(OptionCommandsTest, ColourCancelledChangesNothing) {
    context.pickColour = [](HWND, COLORREF, COLORREF* chosen) {
        *chosen = 0x00FF00;
        return false;
    };
    EXPECT_FALSE(ChooseOptionColour(context, 503));
    EXPECT_EQ(settings.txtColor, 0);
    EXPECT_TRUE(sentToView.empty());
    EXPECT_TRUE(file.writes.empty());
    EXPECT_FALSE(ChooseOptionColour(context, 402));  // not a colour command
    context.font = nullptr;
    EXPECT_FALSE(ChooseEditingFont(context));
}

TEST_F(OptionCommandsTest, FontConfirmedReplacesTheFontAndWritesItsKeys) {
    HFONT old = font.handle;
    font.record.charSet = 204;  // followed the keyboard; the setting did not
    EXPECT_EQ(font.printPointSize, 100);  // until a font is chosen in this run
    context.pickFont = [&](HWND owner, LOGFONTA* chosen, INT* pointSize) {
        EXPECT_EQ(owner, mainWindow);
        EXPECT_EQ(chosen->lfHeight, -13);
        EXPECT_EQ(chosen->lfCharSet, 204);
        EXPECT_STREQ(chosen->lfFaceName, "Lucida Console");
        chosen->lfHeight = -20;
        chosen->lfWeight = 700;
        lstrcpyA(chosen->lfFaceName, "Courier New");
        *pointSize = 150;
        return true;
    };
    EXPECT_TRUE(RunOptionCommand(context, 402));
    EXPECT_NE(font.handle, old);
    EXPECT_EQ(GetObjectType(old), 0u);  // the old font is gone
    EXPECT_EQ(font.record.height, -20);
    EXPECT_EQ(font.printPointSize, 150);
    EXPECT_EQ(settings.fontHeight, -20);
    EXPECT_EQ(settings.weight, 700);
    EXPECT_EQ(settings.charset, 204);
    EXPECT_STREQ(settings.fontName, "Courier New");
    EXPECT_EQ(sentToView, (std::vector<Sent>{{WM_SETFONT, reinterpret_cast<WPARAM>(font.handle), TRUE}}));
    ASSERT_EQ(file.writes.size(), 14u);
    EXPECT_EQ(file.writes.front(), "FontHeight");
    EXPECT_EQ(file.writes.back(), "Name");
    EXPECT_EQ(file.values["FontHeight"], "4294967276");
    EXPECT_EQ(file.values["Charset"], "204");
    EXPECT_EQ(GetFocus(), editView);
}

TEST_F(OptionCommandsTest, FontCancelledChangesNothing) {
    HFONT old = font.handle;
    context.pickFont = [](HWND, LOGFONTA* chosen, INT* pointSize) {
        chosen->lfHeight = -40;
        *pointSize = 300;
        return false;
    };
    EXPECT_FALSE(ChooseEditingFont(context));
    EXPECT_EQ(font.printPointSize, 100);
    EXPECT_EQ(font.handle, old);
    EXPECT_NE(GetObjectType(old), 0u);
    EXPECT_EQ(settings.fontHeight, -13);
    EXPECT_TRUE(sentToView.empty());
    EXPECT_TRUE(file.writes.empty());
}

TEST_F(OptionCommandsTest, SpacingIsSentAndWrittenWhateverTheDialogDid) {
    ApplyLinePadding(context);  // a cancelled dialog: the unchanged values
    ApplyTextMargins(context);
    settings.paddingAbove = 250;
    settings.paddingBelow = 70000;  // typed into the dialog unchecked
    settings.leftMargin = -4;
    ApplyLinePadding(context);
    ApplyTextMargins(context);
    std::vector<Sent> expected = {{EVM_SETPADDING, 0, 0},
                                  {EVM_SETMARGINS, 3, 3},
                                  {EVM_SETPADDING, 250, 1000},
                                  {EVM_SETMARGINS, 0, 3}};
    EXPECT_EQ(sentToView, expected);
    std::vector<std::string> keys = {"PaddingAbove", "PaddingBelow", "LeftMargin", "RightMargin",
                                     "PaddingAbove", "PaddingBelow", "LeftMargin", "RightMargin"};
    EXPECT_EQ(file.writes, keys);
    EXPECT_EQ(file.values["PaddingBelow"], "1000");
    EXPECT_EQ(settings.paddingBelow, 1000);
}

TEST_F(OptionCommandsTest, FullScreenSwitchesStyleAndWritesNothing) {
    ASSERT_TRUE(RunOptionCommand(context, 404));
    EXPECT_EQ(settings.fullScr, 1);
    EXPECT_EQ(settings.maximized, 1);
    EXPECT_TRUE(Checked(404));
    EXPECT_TRUE(Style() & WS_POPUP);
    EXPECT_FALSE(Style() & WS_CAPTION);
    EXPECT_TRUE(Style() & WS_SYSMENU);
    EXPECT_TRUE(IsZoomed(mainWindow));
    EXPECT_TRUE(IsWindowVisible(mainWindow));

    ToggleFullScreen(context);
    EXPECT_EQ(settings.fullScr, 0);
    EXPECT_EQ(settings.maximized, 0);
    EXPECT_FALSE(Checked(404));
    EXPECT_EQ(Style() & WS_OVERLAPPEDWINDOW, static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(Style() & WS_POPUP);
    EXPECT_FALSE(IsZoomed(mainWindow));
    EXPECT_TRUE(IsWindowVisible(mainWindow));
    RECT r;
    GetWindowRect(mainWindow, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_TRUE(file.writes.empty());
}

TEST_F(OptionCommandsTest, NormalPlacementSurvivesMaximising) {
    ShowWindow(mainWindow, SW_SHOWMAXIMIZED);
    Placement p;
    ASSERT_TRUE(WindowNormalPlacement(mainWindow, &p));
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 80);
    EXPECT_EQ(p.width, 600);
    EXPECT_EQ(p.height, 400);
    EXPECT_FALSE(WindowNormalPlacement(nullptr, &p));
}

TEST_F(OptionCommandsTest, StayOnTopKeepsTheRectangle) {
    RECT before;
    GetWindowRect(mainWindow, &before);
    ASSERT_TRUE(RunOptionCommand(context, 500));
    EXPECT_TRUE(GetWindowLongA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(Checked(500));
    EXPECT_EQ(file.values["StayOnTop"], "1");
    ToggleStayOnTop(context);
    EXPECT_FALSE(GetWindowLongA(mainWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(Checked(500));
    EXPECT_EQ(file.values["StayOnTop"], "0");
    RECT after;
    GetWindowRect(mainWindow, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(OptionCommandsTest, DisplaySettingsAreSentInOrder) {
    settings.paddingAbove = 2;
    settings.paddingBelow = 5;
    settings.lineNumbers = 1;
    settings.wrap = 1;
    SendDisplaySettings(editView, settings);
    std::vector<Sent> expected = {
        {EVM_SETTEXTCOLOR, 0x000000, 0},
        {EVM_SETBKCOLOR, 0xFFFFFF, 0},
        {EVM_SETSELCOLOR, 0xC56A31, 0},
        {EVM_SETTEXTINACTIVECOLOR, 0x6C6C6C, 0},
        {EVM_SETBKINACTIVECOLOR, 0xE0E0E0, 0},
        {EVM_SETSELINACTIVECOLOR, 0xD99368, 0},
        {EVM_SETLINENUMBERSCOLOR, 0x000000, 0},
        {EVM_SETBKLINENUMBERSCOLOR, 0xB6B6B6, 0},
        {EVM_SETLINENUMBERSINACTIVECOLOR, 0x6C6C6C, 0},
        {EVM_SETBKLINENUMBERSINACTIVECOLOR, 0xCACACA, 0},
        {EVM_SETPADDING, 2, 5},
        {EVM_SETMARGINS, 3, 3},
        {EVM_SHOWLINENUMBERS, 1, 0},
        {EVM_SHOWCONTROLCHARS, 0, 0},
        {EVM_SETWORDWRAP, 1, 0},
        {EVM_SETCENTERAFTERFIND, 0, 0},
    };
    EXPECT_EQ(sentToView, expected);
}

TEST(LogicalFontTest, RecordRoundTripAndUnterminatedFaceName) {
    FontRecord record = FontRecordFromSettings(DefaultSettings());
    LOGFONTA font;
    FillLogFont(record, &font);
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfPitchAndFamily, 49);
    EXPECT_STREQ(font.lfFaceName, "Lucida Console");
    FontRecord back = FontRecordFromLogFont(font);
    EXPECT_EQ(std::memcmp(&back, &record, sizeof back), 0);
    std::memset(font.lfFaceName, 'Z', sizeof font.lfFaceName);
    back = FontRecordFromLogFont(font);
    EXPECT_EQ(std::string(back.faceName), std::string(31, 'Z'));
    HFONT made = CreateFontFromRecord(record);
    EXPECT_NE(made, nullptr);
    DeleteObject(made);
}

}  // namespace
}  // namespace velmo
