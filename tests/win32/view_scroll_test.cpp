// Scrolling through the control's messages: the scroll-bar codes stop at the
// last full page, the wheel takes whole notches, line scrolls clamp, and odd
// sizes and settings never break the arithmetic.
#include <cstdlib>
#include <string>

#include "editview/control_state.h"
#include "editview/editview_messages.h"
#include "editview/view/hit_test.h"
#include "editview/view/scroll_bars.h"
#include "view_picture.h"

namespace velmo::test {
namespace {

class ViewScrollTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        std::string text;
        for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + (i < 99 ? "\r\n" : "");
        SetText(text);
        SetClientHeight(10 * static_cast<int>(Control().view.lineHeight));
    }
    void SetClientHeight(int height) {
        RECT window, client;
        GetWindowRect(edit, &window);
        GetClientRect(edit, &client);
        MoveWindow(edit, 0, 0, window.right - window.left, window.bottom - window.top - client.bottom + height, TRUE);
    }
    LRESULT First() { return Send(EM_GETFIRSTVISIBLELINE); }
    void VScroll(int code, int times = 1) {
        for (int i = 0; i < times; ++i) Send(WM_VSCROLL, MAKEWPARAM(code, 0), 0);
    }
};

TEST_F(ViewScrollTest, ScrollBarCodesStopAtTheLastFullPage) {
    ASSERT_EQ(Control().view.rows.full, 10u);
    VScroll(SB_LINEDOWN, 200);
    EXPECT_EQ(First(), 90);
    VScroll(SB_TOP);
    EXPECT_EQ(First(), 0);
    Send(EM_LINESCROLL, 0, 85);
    VScroll(SB_PAGEDOWN);
    EXPECT_EQ(First(), 90);
    VScroll(SB_PAGEUP);
    EXPECT_EQ(First(), 80);
    VScroll(SB_LINEUP);
    EXPECT_EQ(First(), 79);
    VScroll(SB_BOTTOM);
    EXPECT_EQ(First(), 90);
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(edit, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 90);
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 10u);
}

TEST_F(ViewScrollTest, LineScrollsClampAndTheWheelTakesWholeNotches) {
    Send(EM_LINESCROLL, 0, 2);
    Send(EM_LINESCROLL, 0, -5);
    EXPECT_EQ(First(), 0);
    Send(EM_LINESCROLL, 0, 0x7FFFFFFF);
    EXPECT_EQ(First(), 90);
    std::uint32_t step = Control().view.wheelStep;
    ASSERT_NE(step, 0u);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(step)), 0);
    EXPECT_EQ(First(), 89);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(step / 2)), 0);
    EXPECT_EQ(First(), 89);
}

TEST_F(ViewScrollTest, TheCaretIsBroughtIntoView) {
    Send(EM_SETSEL, 1000, 1000);  // on line 100 / 10 ... well below the view
    Send(EM_SCROLLCARET);
    LRESULT line = Send(EVM_GETCARETLINE);
    EXPECT_LE(First(), line);
    EXPECT_GT(First() + 10, line);
    Send(EM_SETSEL, 0, 0);
    Send(EM_SCROLLCARET);
    EXPECT_EQ(First(), 0);
}

TEST_F(ViewScrollTest, HorizontalScrollingFollowsColumnsWithWrapOff) {
    SetText(std::string(500, 'x') + "\r\nab");
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(edit, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 499);
    Send(WM_HSCROLL, SB_LINERIGHT, 0);
    Send(WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_EQ(Control().view.firstVisibleColumn, 1 + Control().view.area.visibleColumns);
    Send(WM_HSCROLL, SB_LEFT, 0);
    EXPECT_EQ(Control().view.firstVisibleColumn, 0u);
    Send(EM_SETSEL, 450, 450);
    Send(EM_SCROLLCARET);
    std::uint32_t visible = Control().view.area.visibleColumns;
    EXPECT_EQ(Control().view.firstVisibleColumn, 450 / visible * visible);
}

TEST_F(ViewScrollTest, TheHorizontalRangeFollowsTheWidestLineDownToo) {
    SetText(std::string(500, 'x') + "\r\n" + std::string(200, 'y') + "\r\nab");
    auto last = [this] {
        Send(WM_TIMER, kScrollBarTimer);  // a narrower widest line is measured with the bars' drawing
        SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
        GetScrollInfo(edit, SB_HORZ, &info);
        return info.nMax;
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

TEST_F(ViewScrollTest, PointsMapToTheNearestCharacterBoundary) {
    SetText("abcdef\r\n\r\nxy\tz");
    const ViewState& v = Control().view;
    int l = static_cast<int>(v.area.textLeft), cw = static_cast<int>(v.widths.ColumnWidth());
    int lh = static_cast<int>(v.lineHeight);
    EXPECT_EQ(HitTest(l + 2 * cw + cw / 2 - 1, 1), 2u);   // left half of "c": before it
    EXPECT_EQ(HitTest(l + 2 * cw + cw / 2 + 1, 1), 3u);   // right half: after it
    EXPECT_EQ(HitTest(0, 1), 0u);                         // the margin: the row's start
    EXPECT_EQ(HitTest(l + 100 * cw, 1), 6u);              // beyond the line: its end, before the break
    EXPECT_EQ(HitTest(l + 5 * cw, lh + 1), 8u);           // an empty line
    EXPECT_EQ(HitTest(l + 3 * cw + 1, 2 * lh + 1), 13u);  // past the middle of the tab's jump: after it
    EXPECT_EQ(HitTest(l + 2 * cw + 1, 2 * lh + 1), 12u);  // just after "y": before the tab
    EXPECT_EQ(HitTest(l, 50 * lh), 10u);                  // below the text: the last row
    EXPECT_EQ(HitTest(l, -5), 0u);
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
        {"narrower window", [](HWND e, HFONT) { SetWindowPos(e, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER); }},
    };
    for (const Case& c : cases) {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        Send(EVM_SHOWLINENUMBERS, 0);
        Send(EVM_SHOWCONTROLCHARS, 0);
        Send(EVM_SETMARGINS, 0, 0);
        SetClientHeight(10 * static_cast<int>(Control().view.lineHeight));
        std::string line(Control().view.area.visibleColumns - 1, 'w');
        std::string text;
        for (int i = 0; i < 60; ++i) text += line + "\r\n";
        SetText(text);
        ASSERT_EQ(Send(EVM_SETWORDWRAP, 1), 1);
        Send(EM_SETSEL, text.size(), text.size());
        Send(EM_SCROLLCARET);
        PumpMessages();
        Log().Clear();
        c.change(edit, large);
        const TextStore& store = Control().store;
        ASSERT_GT(store.RowCount(), 61u) << c.name;  // the lines now wrap
        LRESULT first = Send(EM_GETFIRSTVISIBLELINE);
        EXPECT_GE(store.CaretRow(), first) << c.name;
        EXPECT_LT(store.CaretRow(), first + Control().view.rows.full) << c.name;
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
    SetClientHeight(0);
    VScroll(SB_PAGEDOWN);
    VScroll(SB_PAGEUP);
    Send(EM_SCROLLCARET);
    Send(EVM_SETPADDING, 0x7FFFFFFF, static_cast<LPARAM>(-5));
    EXPECT_EQ(Control().view.padding.above, 1000u);
    EXPECT_EQ(Control().view.padding.below, 0u);
    Send(EVM_SETMARGINS, 0xFFFFFFFF, 0x7FFFFFFF);
    EXPECT_EQ(Control().view.margins.left, 1001u);
    Send(EVM_SETWORDWRAP, 1);
    SetClientHeight(200);
    VScroll(SB_PAGEDOWN);
    Picture p = Render(edit);
    EXPECT_GT(p.width, 0);
    Send(EVM_SETMARGINS, 0, 0);
    Send(EVM_SETPADDING, 0, 0);
    EXPECT_EQ(Control().view.margins.left, 1u);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 100);
}

}  // namespace
}  // namespace velmo::test

namespace velmo::test {
namespace {

// Edits and scrolls keep the row layouts they do not invalidate: after each
// random step the picture must equal the one painted from fresh layouts.
class ViewConsistencyTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        std::string text;
        for (int i = 0; i < 60; ++i) text += std::string(static_cast<std::size_t>(i * 7 % 150), 'a' + i % 26) + "\t|\r\n";
        SetText(text);
        Send(EVM_SHOWLINENUMBERS, 1);
    }
    // The picture painted from layouts computed afresh.
    Picture Fresh() {
        Control().layouts.InvalidateAll();
        return Render(edit);
    }
    void Run(unsigned seed) {
        std::srand(seed);
        for (int step = 0; step < 150 && !HasFailure(); ++step) {
            int roll = std::rand() % 10;
            if (roll < 3) {
                Send(WM_CHAR, "x\t\r"[std::rand() % 3], 0);
            } else if (roll < 4) {
                Send(WM_KEYDOWN, VK_BACK, 0);
            } else if (roll < 6) {
                Send(WM_VSCROLL, std::rand() % 4, 0);
            } else if (roll < 8) {
                Send(WM_HSCROLL, std::rand() % 4, 0);
            } else {
                LRESULT length = Send(WM_GETTEXTLENGTH);
                Send(EM_SETSEL, std::rand() % (length + 1), std::rand() % (length + 1));
                Send(EM_SCROLLCARET);
            }
            Picture now = Render(edit);
            ASSERT_TRUE(now.pixels == Fresh().pixels) << "seed " << seed << " step " << step;
        }
    }
};

TEST_F(ViewConsistencyTest, IncrementalLayoutsPaintAsFreshOnesWithWrapOff) { Run(7); }

TEST_F(ViewConsistencyTest, IncrementalRowsPaintAsFreshOnesWithWrapOn) {
    Send(EVM_SETWORDWRAP, 1);
    Run(11);
}

}  // namespace
}  // namespace velmo::test
