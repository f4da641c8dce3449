// The option commands on a real main window with a stand-in edit control.
#include "settings/option_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "../settings/memory_profile.h"
#include "editview/editview_messages.h"
#include "settings/logical_font.h"
#include "settings/window_placement.h"

namespace velmo {
namespace {

using SentList = std::vector<std::tuple<UINT, WPARAM, LPARAM>>;
using Keys = std::vector<std::string>;

SentList sent;

// Stands in for the edit control: records what it is sent and switches the
// wrap mode as asked.
LRESULT CALLBACK RecordingView(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message >= WM_USER || message == WM_SETFONT) sent.emplace_back(message, w, l);
    if (message == EVM_SETWORDWRAP) return static_cast<LRESULT>(w);
    return DefWindowProcA(window, message, w, l);
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

class OptionCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu_ = CreateMenu();
        HMENU options = CreatePopupMenu();
        for (unsigned command = 401; command <= 514; ++command) AppendMenuA(options, MF_STRING, command, "option");
        AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "Options");
        main_ = CreateWindowA("STATIC", "Velmo 2", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80, 600, 400, nullptr,
                              menu_, nullptr, nullptr);
        view_ = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, main_, nullptr, nullptr, nullptr);
        SetWindowLongPtrA(view_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingView));
        settings_ = DefaultSettings();
        font_.record = FontRecordFromSettings(settings_);
        font_.handle = CreateFontFromRecord(font_.record);
        context_ = OptionContext{main_, view_, menu_, &settings_, &file_, &font_};
        sent.clear();
    }
    void TearDown() override {
        DestroyWindow(main_);
        DeleteObject(font_.handle);
    }
    bool Checked(unsigned command) const { return (GetMenuState(menu_, command, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    HMENU menu_ = nullptr;
    HWND main_ = nullptr;
    HWND view_ = nullptr;
    Settings settings_{};
    MemoryProfile file_;
    EditingFont font_{};
    OptionContext context_{};
};

class OptionRowTest : public OptionCommandsTest, public ::testing::WithParamInterface<OptionRow> {};

// Run twice, each command changes its setting and back (a colour to the one
// chosen, here the inverse of the one offered), with its check mark, message
// and key each time, and leaves the window where it was.
TEST_P(OptionRowTest, ChangesItsSettingCheckAndControlAndWritesItsKey) {
    const OptionRow& row = GetParam();
    const IntKey& key = KeyOf(row.member);
    context_.pickColour = [this](HWND owner, COLORREF offered, COLORREF* chosen) {
        EXPECT_EQ(owner, main_);
        *chosen = offered ^ 0xFFFFFF;
        return true;
    };
    RECT before;
    GetWindowRect(main_, &before);
    const std::int32_t original = settings_.*row.member;
    for (std::int32_t expected : {IsColour(row.command) ? original ^ 0xFFFFFF : !original, original}) {
        sent.clear();
        file_.writes.clear();
        ASSERT_TRUE(RunOptionCommand(context_, row.command));
        EXPECT_EQ(settings_.*row.member, expected);
        EXPECT_EQ(Checked(row.command), !IsColour(row.command) && expected != 0);
        SentList message = {{row.message, static_cast<WPARAM>(expected), 0}};
        EXPECT_EQ(sent, row.message == 0 ? SentList{} : message);
        EXPECT_EQ(file_.writes, key.writtenAtExit ? Keys{} : Keys{key.name});
        EXPECT_EQ(file_.values[key.name], key.writtenAtExit ? "" : std::to_string(expected));
        EXPECT_EQ(WindowState(main_), expected != 0 ? row.state : 0);
        EXPECT_EQ(IsWindowVisible(main_) != 0, row.state != 0);
        EXPECT_EQ(settings_.maximized, settings_.fullScr);
    }
    RECT after;
    GetWindowRect(main_, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

INSTANTIATE_TEST_SUITE_P(Options, OptionRowTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(KeyOf(info.param.member).name); });

TEST_F(OptionCommandsTest, TheControlGetsEveryDisplaySettingAtStart) {
    SentList expected;
    for (const OptionRow& row : kRows) {
        settings_.*row.member = static_cast<std::int32_t>(row.command);
        if (row.message != 0) expected.emplace_back(row.message, row.command, 0);
    }
    settings_.paddingBelow = 5;
    expected.insert(expected.begin() + 10, {{EVM_SETPADDING, 0, 5}, {EVM_SETMARGINS, 3, 3}});
    SendDisplaySettings(view_, settings_);
    EXPECT_EQ(sent, expected);
}

// Cancelled dialogs change nothing. The font dialog gets the font's own
// record, whose character set may have followed the keyboard; confirmed, the
// new font replaces the old one and its keys are written, the name cut to fit.
TEST_F(OptionCommandsTest, DialogAnswersAreAppliedAndWritten) {
    HFONT old = font_.handle;
    font_.record.charSet = 204;
    bool confirmed = false;
    context_.pickFont = [&](HWND owner, LOGFONTA* chosen, INT* pointSize) {
        EXPECT_EQ(owner, main_);
        FontRecord offered = FontRecordFromLogFont(*chosen);
        EXPECT_EQ(std::memcmp(&offered, &font_.record, sizeof offered), 0);
        chosen->lfHeight = -20;
        std::memset(chosen->lfFaceName, 'Z', sizeof chosen->lfFaceName);
        *pointSize = 150;
        return confirmed;
    };
    context_.pickColour = [](HWND, COLORREF, COLORREF* chosen) {
        *chosen = 0x00FF00;
        return false;
    };
    EXPECT_FALSE(ChooseOptionColour(context_, kCmdFirstColour));
    EXPECT_EQ(settings_.txtColor, 0);
    EXPECT_FALSE(ChooseEditingFont(context_));
    EXPECT_EQ(font_.handle, old);
    EXPECT_EQ(font_.printPointSize, 100);  // until a font is chosen in this run
    EXPECT_EQ(settings_.fontHeight, -13);
    EXPECT_TRUE(sent.empty() && file_.writes.empty());
    confirmed = true;
    EXPECT_TRUE(RunOptionCommand(context_, kCmdFont));
    EXPECT_EQ(GetObjectType(old), 0u);  // the old font is gone
    EXPECT_EQ(font_.printPointSize, 150);
    EXPECT_EQ(settings_.charset, 204);
    EXPECT_EQ(sent, (SentList{{WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle), TRUE}}));
    EXPECT_EQ(file_.values["FontHeight"], "4294967276");
    EXPECT_EQ(file_.values["Name"], std::string(31, 'Z'));
    EXPECT_EQ(GetFocus(), view_);
    context_.font = nullptr;
    EXPECT_FALSE(ChooseEditingFont(context_));
}

// Padding and margins typed into their dialogs unchecked are kept to what the
// layout can take; both keys are written whatever the dialog did.
TEST_F(OptionCommandsTest, SpacingIsClampedSentAndWritten) {
    settings_.paddingBelow = 70000;
    settings_.leftMargin = -4;
    ApplyLinePadding(context_);
    ApplyTextMargins(context_);
    EXPECT_EQ(sent, (SentList{{EVM_SETPADDING, 0, 1000}, {EVM_SETMARGINS, 0, 3}}));
    EXPECT_EQ(file_.writes, (Keys{"PaddingAbove", "PaddingBelow", "LeftMargin", "RightMargin"}));
    EXPECT_EQ(file_.values["PaddingBelow"], "1000");
}

TEST_F(OptionCommandsTest, NormalPlacementSurvivesMaximising) {
    ShowWindow(main_, SW_SHOWMAXIMIZED);
    Placement p;
    ASSERT_TRUE(WindowNormalPlacement(main_, &p));
    EXPECT_EQ(std::vector<std::int32_t>({p.x, p.y, p.width, p.height}), std::vector<std::int32_t>({100, 80, 600, 400}));
    EXPECT_FALSE(WindowNormalPlacement(nullptr, &p));
}

}  // namespace
}  // namespace velmo
