// The left mouse button through the real control: clicks, drags with and
// without auto-scroll, double-clicks, gutter clicks and a lost capture.
#include <string>

#include "input_test_support.h"

namespace velmo::test {
namespace {

class MouseTest : public InputTest {
protected:
    void Down(LPARAM point) { Send(WM_LBUTTONDOWN, MK_LBUTTON, point); }
    void Move(LPARAM point) { Send(WM_MOUSEMOVE, MK_LBUTTON, point); }
    void Up(LPARAM point) { Send(WM_LBUTTONUP, 0, point); }
    void DoubleClick(LPARAM point) {
        Down(point);
        Up(point);
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        Up(point);
    }
    static LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    void HundredLines() {
        std::string text;
        for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + (i < 99 ? "\r\n" : "");
        SetText(text);
        CaretAt(0);
    }
    static bool TimerRuns() { return Control().input.timer != 0; }
    LRESULT First() { return Send(EM_GETFIRSTVISIBLELINE); }
};

TEST_F(MouseTest, AClickPlacesTheCaretAndADragSelects) {
    SetText("hello world\r\nsecond line");
    Down(Point(3, 0));
    EXPECT_EQ(Sel(), "3,3 @3");
    EXPECT_EQ(Told(), "0:3");
    EXPECT_EQ(GetCapture(), edit);
    Move(Point(8, 0));
    EXPECT_EQ(Sel(), "3,8 @8");
    Move(Point(2, 1));
    EXPECT_EQ(Sel(), "3,15 @15");
    Move(Point(1, 0));  // back past the anchor
    EXPECT_EQ(Sel(), "1,3 @1");
    EXPECT_EQ(Told(), "0:8 1:2 0:1");
    Up(Point(1, 0));
    EXPECT_EQ(GetCapture(), nullptr);
    Move(Point(9, 0));  // the button is up: nothing follows
    EXPECT_EQ(Sel(), "1,3 @1");
    Down(Point(50, 0));  // past the line's end
    Up(Point(50, 0));
    EXPECT_EQ(Sel(), "11,11 @11");
    Press(VK_DOWN);  // the click set the goal column
    EXPECT_EQ(Sel(), "24,24 @24");
}

TEST_F(MouseTest, ADoubleClickSelectsTheWordAtTheCaret) {
    SetText("x = a_b@c; y\r\nnext");
    DoubleClick(Point(6, 0));
    EXPECT_EQ(Sel(), "4,9 @9");
    DoubleClick(Point(9, 0));  // on the delimiter after the word
    EXPECT_EQ(Sel(), "4,9 @9");
    DoubleClick(Point(10, 0));  // between two delimiters
    EXPECT_EQ(Sel(), "10,10 @10");
    DoubleClick(Point(2, 1));
    EXPECT_EQ(Sel(), "14,18 @18");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseTest, DraggingBelowScrollsARowPerStep) {
    HundredLines();
    int height = static_cast<int>(Control().view.clientHeight);
    std::uint32_t full = Control().view.rows.full;
    Down(Point(2, 0));
    Move(At(Point(2, 0) & 0xFFFF, height + 5));
    EXPECT_TRUE(TimerRuns());
    EXPECT_EQ(Sel(), "2,2 @2");  // the selection waits for the steps
    Send(WM_TIMER, 1);
    Send(WM_TIMER, 7);  // not ours
    EXPECT_EQ(First(), 1);
    EXPECT_EQ(Send(EVM_GETCARETLINE), static_cast<LRESULT>(full));
    // The real timer keeps going on its own.
    for (int i = 0; i < 20 && First() < 4; ++i) {
        Sleep(20);
        PumpMessages();
    }
    EXPECT_GE(First(), 4);
    Move(Point(3, 1));  // back inside: the timer stops, the selection follows
    EXPECT_FALSE(TimerRuns());
    std::uint32_t caretLine = static_cast<std::uint32_t>(Send(EVM_GETCARETLINE));
    EXPECT_EQ(caretLine, static_cast<std::uint32_t>(First()) + 1);
    EXPECT_EQ(Control().store.Sel().start, 2u);
    Up(Point(3, 1));
}

TEST_F(MouseTest, DraggingUpPastTheAnchorSelectsAboveIt) {
    HundredLines();
    Send(EM_LINESCROLL, 0, 10);
    Down(Point(1, 2));  // "line 12", column 1
    std::uint32_t anchor = Caret();
    Move(At(Point(1, 0) & 0xFFFF, -5));
    EXPECT_TRUE(TimerRuns());
    Send(WM_TIMER, 1);
    Send(WM_TIMER, 1);
    EXPECT_EQ(First(), 8);
    EXPECT_EQ(Send(EVM_GETCARETLINE), 8);
    EXPECT_EQ(Control().store.Sel().end, anchor);
    EXPECT_LT(Caret(), anchor);
    Up(At(Point(1, 0) & 0xFFFF, -5));  // released outside: the selection stays
    EXPECT_FALSE(TimerRuns());
    EXPECT_EQ(Control().store.Sel().end, anchor);
}

TEST_F(MouseTest, AboveAViewAtTheTopTheSelectionFollowsTheTopRow) {
    HundredLines();
    Down(Point(3, 3));
    Move(At(Point(2, 0) & 0xFFFF, -20));
    EXPECT_FALSE(TimerRuns());
    EXPECT_EQ(Send(EVM_GETCARETLINE), 0);
    EXPECT_EQ(Send(EVM_GETCARETCOLUMN), 2);
    Up(Point(2, 0));
}

TEST_F(MouseTest, DraggingRightScrollsAColumnPerStep) {
    SetText(std::string(300, 'r') + "\r\nshort");
    CaretAt(0);
    const ViewState& v = Control().view;
    Down(Point(2, 0));
    Move(At(static_cast<int>(v.area.textRight) + 5, LineHeight() / 2));
    EXPECT_TRUE(TimerRuns());
    std::uint32_t shown = Caret();
    EXPECT_GT(shown, 2u);
    Send(WM_TIMER, 1);
    Send(WM_TIMER, 1);
    EXPECT_EQ(v.firstVisibleColumn, 2u);
    EXPECT_EQ(Caret(), shown + 2);
    EXPECT_EQ(Sel(), "2," + std::to_string(shown + 2) + " @" + std::to_string(shown + 2));
    Move(At(static_cast<int>(v.area.textLeft) - 5, LineHeight() / 2));  // and back to the left
    Send(WM_TIMER, 1);
    EXPECT_EQ(v.firstVisibleColumn, 1u);
    EXPECT_EQ(Caret(), 1u);
    Up(Point(0, 0));
    EXPECT_FALSE(TimerRuns());
}

TEST_F(MouseTest, DraggingRightOfAShortLineDoesNotScroll) {
    SetText("short\r\n" + std::string(300, 'r'));
    CaretAt(0);
    const ViewState& v = Control().view;
    Down(Point(2, 0));
    Move(At(static_cast<int>(v.area.textRight) + 5, LineHeight() / 2));
    for (int i = 0; i < 3; ++i) Send(WM_TIMER, 1);
    EXPECT_EQ(v.firstVisibleColumn, 0u);  // the line's end is in view: nothing more to show
    EXPECT_EQ(Sel(), "2,5 @5");
    Up(Point(5, 0));
}

// A click on a character cut by the right edge shows it by whole columns, as
// few as it takes, rather than a page further on; so does a drag ending there.
TEST_F(MouseTest, AClickOrDragAtTheRightEdgeScrollsJustFarEnough) {
    SetText(std::string(300, 'r') + "\r\n" + std::string(300, 's'));
    const ViewState& v = Control().view;
    int cw = CharWidth();
    ASSERT_GE(cw, 5);
    // A right margin that leaves the last character cut by one pixel.
    int cut = static_cast<int>(v.area.width) % cw;
    Send(EVM_SETMARGINS, 0, (cut + 1) % cw);
    ASSERT_EQ(static_cast<int>(v.area.width) % cw, cw - 1);
    std::uint32_t shown = v.area.visibleColumns;
    int y = LineHeight() / 2;
    int edge = static_cast<int>(v.area.textRight) - 1;
    Down(At(edge, y));
    Up(At(edge, y));
    EXPECT_EQ(Caret(), shown + 1);
    EXPECT_EQ(v.firstVisibleColumn, 1u);
    EXPECT_LE(v.caretX, static_cast<std::int64_t>(v.area.textRight));

    Send(WM_HSCROLL, SB_LEFT, 0);
    Down(Point(2, 1));
    Move(At(edge, y + LineHeight()));
    EXPECT_EQ(v.firstVisibleColumn, 0u);  // inside the text: a drag does not scroll
    Up(At(edge, y + LineHeight()));
    EXPECT_EQ(Sel(), "304," + std::to_string(302 + shown + 1) + " @" + std::to_string(302 + shown + 1));
    EXPECT_EQ(v.firstVisibleColumn, 1u);
}

TEST_F(MouseTest, LosingTheCaptureEndsTheDrag) {
    HundredLines();
    Down(Point(1, 1));
    Move(At(Point(1, 0) & 0xFFFF, static_cast<int>(Control().view.clientHeight) + 5));
    ASSERT_TRUE(TimerRuns());
    Send(WM_TIMER, 1);
    std::string selected = Sel();
    SetCapture(parent);  // another window takes the mouse
    EXPECT_FALSE(TimerRuns());
    EXPECT_FALSE(Control().input.selecting);
    Move(Point(4, 0));
    EXPECT_EQ(Sel(), selected);
    ReleaseCapture();
}

TEST_F(MouseTest, AGutterClickSelectsTheWholeLine) {
    SetText("first\r\nsecond\r\nlast");
    Send(EVM_SHOWLINENUMBERS, 1);
    int gutterX = static_cast<int>(Control().view.gutterWidth) / 2;
    Down(At(gutterX, LineHeight() + 2));
    Up(At(gutterX, LineHeight() + 2));
    EXPECT_EQ(Sel(), "7,15 @15");  // the line break included
    EXPECT_EQ(Send(EVM_GETCARETLINE), 2);
    EXPECT_EQ(GetCapture(), nullptr);
    Down(At(gutterX, 10 * LineHeight()));  // below the text: the last line
    EXPECT_EQ(Sel(), "15,19 @19");
    Press(VK_LEFT, false, true);  // Shift extends from the line's start
    EXPECT_EQ(Sel(), "15,18 @18");
}

TEST_F(MouseTest, WithWrapAGutterClickSelectsEveryRowOfTheLine) {
    SetText("top\r\n" + std::string(200, 'w') + "\r\nend");
    WrapOn();
    Send(EVM_SHOWLINENUMBERS, 1);
    ASSERT_GT(Control().store.RowCount(), 4u);
    int gutterX = static_cast<int>(Control().view.gutterWidth) / 2;
    Down(At(gutterX, 2 * LineHeight() + 2));  // the second row of the long line
    EXPECT_EQ(Sel(), "5,207 @207");
    EXPECT_EQ(Send(EVM_GETCARETLINE), 2);
}

}  // namespace
}  // namespace velmo::test
