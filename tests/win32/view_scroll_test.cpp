// Scrolling and layout through the control's messages beyond the scripted
// table in input_test.cpp: the scroll bars' ranges, changes that break the
// rows again, sizes and settings that would break the arithmetic, and random
// edits and scrolls that must paint as a fresh layout does.
#include <cstdlib>
#include <string>

#include "editview/view/scroll_bars.h"
#include "test_window.h"
#include "view_picture.h"

namespace velmo::test {
namespace {

using ViewScrollTest = EditViewTest;

TEST_F(ViewScrollTest, TheBarsFollowTheLastFullPageAndTheWidestLine) {
    SetText(std::string(500, 'x') + "\r\n" + std::string(200, 'y') + "\r\n" + Lines(98));
    Send(WM_VSCROLL, SB_BOTTOM);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(edit, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 90);
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 10u);
    auto last = [this] {
        Send(WM_TIMER, kScrollBarTimer);  // a narrower widest line is measured with the bars' drawing
        SCROLLINFO range{sizeof range, SIF_RANGE, 0, 0, 0, 0, 0};
        GetScrollInfo(edit, SB_HORZ, &range);
        return range.nMax;
    };
    EXPECT_EQ(last(), 499);
    Send(EM_SETSEL, 0, 502);  // the widest line goes
    Send(WM_CLEAR);
    EXPECT_EQ(last(), 199);
    Send(EM_SETSEL, 50, 150);  // the widest line shrinks
    Send(WM_CLEAR);
    EXPECT_EQ(last(), 99);
    Send(EM_SETSEL, 104, 104);
    Send(WM_CHAR, 'c');  // a line that stays narrower changes nothing
    EXPECT_EQ(last(), 99);
    Send(EM_UNDO);
    Send(EM_UNDO);
    EXPECT_EQ(last(), 199);
    Send(EM_UNDO);
    EXPECT_EQ(last(), 499);
}

// Changes that break the rows again keep the caret in view and tell the parent
// where it is.
TEST_F(ViewScrollTest, LayoutChangesBringTheCaretBackIntoView) {
    HFONT large = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH, "Courier New");
    struct Case {
        const char* name;
        void (*change)(HWND edit, HFONT large);
    };
    const Case cases[] = {
        {"margins", [](HWND e, HFONT) { SendMessageA(e, EVM_SETMARGINS, 200, 0); }},
        {"line numbers", [](HWND e, HFONT) { SendMessageA(e, EVM_SHOWLINENUMBERS, 1, 0); }},
        {"control characters", [](HWND e, HFONT) { SendMessageA(e, EVM_SHOWCONTROLCHARS, 1, 0); }},
        {"font", [](HWND e, HFONT f) { SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(f), 0); }},
        {"narrower window", [](HWND e, HFONT) { SetWindowPos(e, nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER); }},
    };
    for (const Case& c : cases) {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        Send(EVM_SHOWLINENUMBERS, 0);
        Send(EVM_SHOWCONTROLCHARS, 0);
        Send(EVM_SETMARGINS, 0, 0);
        SetTextArea(40, 10);
        std::string text = Lines(60, std::string(39, 'w')) + "\r\n";
        SetText(text);
        ASSERT_EQ(Send(EVM_SETWORDWRAP, 1), 1);
        Send(EM_SETSEL, text.size(), text.size());
        Send(EM_SCROLLCARET);
        PumpMessages();
        Log().Clear();
        c.change(edit, large);
        const TextStore& store = Control().store;
        ASSERT_GT(store.RowCount(), 61u) << c.name;  // the lines now wrap
        EXPECT_GE(store.CaretRow(), View().firstVisibleRow) << c.name;
        EXPECT_LT(store.CaretRow(), View().firstVisibleRow + View().rows.full) << c.name;
        auto told = Log().Of(EVN_CARETPOS);
        ASSERT_FALSE(told.empty()) << c.name;
        EXPECT_EQ(told.back().wParam, 60u) << c.name;
        Send(EVM_SETWORDWRAP, 0);
    }
    Send(WM_SETFONT, 0, 0);
    DeleteObject(large);
}

// A minimised window, an enormous padding or margin: nothing divides by zero
// and the view still paints.
TEST_F(ViewScrollTest, DegenerateSizesAndSettingsAreSafe) {
    SetText(Lines(100));
    SetTextArea(40, 0);
    Play("vPageDown vPageUp show");
    Send(EVM_SETPADDING, 0x7FFFFFFF, static_cast<LPARAM>(-5));
    EXPECT_EQ(View().padding.above, 1000u);
    EXPECT_EQ(View().padding.below, 0u);
    Send(EVM_SETMARGINS, 0xFFFFFFFF, 0x7FFFFFFF);
    EXPECT_EQ(View().margins.left, 1001u);
    Send(EVM_SETWORDWRAP, 1);
    MoveWindow(edit, 0, 0, 600, 200, TRUE);
    Play("vPageDown");
    EXPECT_GT(Render(edit).width, 0);
    Send(EVM_SETMARGINS, 0, 0);
    Send(EVM_SETPADDING, 0, 0);
    EXPECT_EQ(View().margins.left, 1u);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 100);
}

// Edits and scrolls keep the row layouts they do not invalidate: after each
// random step the picture must equal the one painted from fresh layouts.
class ViewConsistencyTest : public EditViewTest, public ::testing::WithParamInterface<int> {};

TEST_P(ViewConsistencyTest, IncrementalLayoutsPaintAsFreshOnes) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += std::string(static_cast<std::size_t>(i * 7 % 150), 'a' + i % 26) + "\t|\r\n";
    SetText(text);
    Send(EVM_SHOWLINENUMBERS, 1);
    Send(EVM_SETWORDWRAP, GetParam());
    std::srand(7 + 4 * GetParam());
    for (int step = 0; step < 150 && !HasFailure(); ++step) {
        int roll = std::rand() % 10;
        if (roll < 3) {
            Send(WM_CHAR, "x\t\r"[std::rand() % 3], 0);
        } else if (roll < 4) {
            Send(WM_KEYDOWN, VK_BACK, 0);
        } else if (roll < 8) {
            Send(roll < 6 ? WM_VSCROLL : WM_HSCROLL, std::rand() % 4, 0);
        } else {
            LRESULT length = Send(WM_GETTEXTLENGTH);
            Send(EM_SETSEL, std::rand() % (length + 1), std::rand() % (length + 1));
            Send(EM_SCROLLCARET);
        }
        Picture now = Render(edit);
        Control().layouts.InvalidateAll();
        ASSERT_TRUE(now.pixels == Render(edit).pixels) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(WrapOffAndOn, ViewConsistencyTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace velmo::test
