// The navigation keys through the real control: caret and selection after
// key sequences with wrap off and on, what the parent hears, and the view.
#include <string>

#include "input_test_support.h"

namespace velmo::test {
namespace {

using NavigationTest = InputTest;

TEST_F(NavigationTest, ArrowsCrossLineBreaksAndStopAtTheEnds) {
    SetText("ab\r\ncd");
    CaretAt(0);
    Press(VK_LEFT);
    EXPECT_EQ(Sel(), "0,0 @0");
    EXPECT_EQ(Told(), "0:0");  // told, though nothing moved
    Press(VK_RIGHT, false, false, 3);
    EXPECT_EQ(Sel(), "4,4 @4");
    EXPECT_EQ(Told(), "0:1 0:2 1:0");
    Press(VK_LEFT);
    EXPECT_EQ(Sel(), "2,2 @2");
    Press(VK_END, true);
    Log().Clear();
    Press(VK_RIGHT);
    EXPECT_EQ(Sel(), "6,6 @6");
    EXPECT_EQ(Told(), "");  // at the very end: nothing at all
    Press(VK_LEFT, false, true);
    Log().Clear();
    Press(VK_RIGHT, true);
    EXPECT_EQ(Sel(), "6,6 @6");
    EXPECT_EQ(Told(), "1:2");  // the selection went, so the parent hears of it
    Press(VK_HOME, true, true);
    EXPECT_EQ(Sel(), "0,6 @0");
    Press(VK_END, false, true);
    EXPECT_EQ(Sel(), "2,6 @2");
}

TEST_F(NavigationTest, ASelectionCollapsesFirstAndCtrlMovesOnByAWord) {
    SetText("one two three");
    CaretAt(4);
    Press(VK_RIGHT, false, true, 2);
    EXPECT_EQ(Sel(), "4,6 @6");
    Press(VK_LEFT);
    EXPECT_EQ(Sel(), "4,4 @4");
    Press(VK_RIGHT, false, true, 2);
    Press(VK_RIGHT);
    EXPECT_EQ(Sel(), "6,6 @6");
    Press(VK_LEFT, false, true, 2);
    EXPECT_EQ(Sel(), "4,6 @4");
    Press(VK_RIGHT, true);
    EXPECT_EQ(Sel(), "8,8 @8");  // to the selection's end, then a word on
    Press(VK_LEFT, true, true);
    EXPECT_EQ(Sel(), "4,8 @4");
    Press(VK_RIGHT, true, true, 3);
    EXPECT_EQ(Sel(), "8,13 @13");
}

TEST_F(NavigationTest, WordMovesFollowTheWordCharacters) {
    SetText("foo(bar) x\r\n a_b@c.d\r\n ab");
    CaretAt(0);
    Press(VK_RIGHT, true, false, 3);
    EXPECT_EQ(Told(), "0:4 0:9 0:10");
    Press(VK_RIGHT, true);  // the line break alone
    EXPECT_EQ(Told(), "1:0");
    Press(VK_RIGHT, true, false, 2);
    EXPECT_EQ(Told(), "1:1 1:7");
    Press(VK_END, true);
    Log().Clear();
    Press(VK_LEFT, true);
    EXPECT_EQ(Told(), "2:0");  // over "ab" and the lone space before it
    Press(VK_LEFT, true);
    EXPECT_EQ(Told(), "1:7");  // to the previous line's end, then a word back
    Press(VK_LEFT, true);
    EXPECT_EQ(Told(), "1:0");
}

TEST_F(NavigationTest, VerticalMovesKeepTheGoalColumn) {
    SetText("abcdef\r\nab\r\n\r\nabcdefgh");
    CaretAt(5);
    Press(VK_DOWN);
    EXPECT_EQ(Told(), "1:2");
    Press(VK_DOWN);
    EXPECT_EQ(Told(), "2:0");
    Press(VK_DOWN);
    EXPECT_EQ(Told(), "3:5");
    Press(VK_DOWN);
    EXPECT_EQ(Told(), "3:5");  // the last row: told, nothing moved
    Press(VK_UP, false, true, 3);
    EXPECT_EQ(Sel(), "5,19 @5");
    Press(VK_UP);
    EXPECT_EQ(Sel(), "5,5 @5");  // the first row drops the selection
    Log().Clear();
    Press(VK_LEFT);
    Press(VK_DOWN, false, false, 3);
    EXPECT_EQ(Told(), "0:4 1:2 2:0 3:4");  // a horizontal move sets a new goal
}

TEST_F(NavigationTest, PagesKeepTheScreenRowAndCtrlScrollsAlone) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + (i < 99 ? "\r\n" : "");
    SetText(text);
    std::uint32_t page = Control().view.rows.full;
    ASSERT_GT(page, 3u);
    CaretAt(0);
    Press(VK_DOWN, false, false, 2);
    Log().Clear();
    Press(VK_NEXT);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), static_cast<LRESULT>(page));
    EXPECT_EQ(Send(EVM_GETCARETLINE), static_cast<LRESULT>(page + 2));
    EXPECT_EQ(Told(), std::to_string(page + 2) + ":0");
    Press(VK_PRIOR, false, true);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(Told(), "2:0");
    Press(VK_DOWN, true, false, 3);
    Press(VK_NEXT, true);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), static_cast<LRESULT>(page + 3));
    Press(VK_UP, true);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), static_cast<LRESULT>(page + 2));
    EXPECT_EQ(Told(), "");  // the view scrolled; the caret stayed
    EXPECT_EQ(Send(EVM_GETCARETLINE), 2);
    Press(VK_DOWN);  // a caret out of view comes back into it
    EXPECT_EQ(Send(EVM_GETCARETLINE), 3);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
}

// Up, Down, Page Up, Page Down, Home and End drop a selection onto its start
// and move from there: the same as the key pressed with the caret at the start.
TEST_F(NavigationTest, VerticalAndLineKeysMoveFromTheStartOfADroppedSelection) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += std::string("abcdefgh") + (i < 99 ? "\r\n" : "");
    SetText(text);
    ASSERT_LT(Control().view.rows.full, 40u);
    struct Case {
        const char* name;
        WPARAM key;
    };
    const Case cases[] = {{"Up", VK_UP},         {"Down", VK_DOWN}, {"Page Up", VK_PRIOR},
                          {"Page Down", VK_NEXT}, {"Home", VK_HOME}, {"End", VK_END}};
    const std::uint32_t start = 425, end = 455;  // line 42 to line 45, both at column 5
    for (const Case& c : cases) {
        Send(EM_LINESCROLL, 0, 40 - Send(EM_GETFIRSTVISIBLELINE));
        CaretAt(start);
        Press(c.key);
        std::uint32_t fromStart = Caret();
        Send(EM_LINESCROLL, 0, 40 - Send(EM_GETFIRSTVISIBLELINE));
        Send(EM_SETSEL, start, end);
        Press(c.key);
        EXPECT_EQ(Sel(), std::to_string(fromStart) + "," + std::to_string(fromStart) + " @" + std::to_string(fromStart))
            << c.name;
    }
}

TEST_F(NavigationTest, PageDownInAShortDocumentGoesToTheLastLine) {
    SetText("one\r\ntwo\r\nthree");
    CaretAt(1);
    Press(VK_NEXT);
    EXPECT_EQ(Told(), "2:1");
    Press(VK_PRIOR);
    EXPECT_EQ(Told(), "0:1");
}

TEST_F(NavigationTest, WrappedRowsMoveByVisualRows) {
    std::string line(200, 'w');
    SetText(line + "\r\nend");
    WrapOn();
    const TextStore& store = Control().store;
    ASSERT_GT(store.RowCount(), 3u);
    std::uint32_t second = store.RowStart(1);
    CaretAt(0);
    Press(VK_END);
    EXPECT_EQ(Sel(), "" + std::to_string(second) + "," + std::to_string(second) + " @" + std::to_string(second));
    EXPECT_EQ(store.CaretRow(), 0u);  // shown at the end of the first row
    Press(VK_RIGHT);
    EXPECT_EQ(Caret(), second + 1);
    EXPECT_EQ(store.CaretRow(), 1u);
    Press(VK_HOME);
    EXPECT_EQ(Caret(), second);
    EXPECT_EQ(store.CaretRow(), 1u);
    Press(VK_LEFT);
    EXPECT_EQ(Caret(), second - 1);
    Press(VK_RIGHT, false, false, 2);
    Press(VK_UP);
    EXPECT_EQ(Caret(), 1u);
    Press(VK_DOWN, false, true, 2);
    EXPECT_EQ(Caret(), store.RowStart(2) + 1);
    EXPECT_EQ(Sel(), "1," + std::to_string(Caret()) + " @" + std::to_string(Caret()));
    Log().Clear();
    Press(VK_RIGHT, true);  // a word move runs on to the end of the logical line
    EXPECT_EQ(Caret(), 200u);
    Press(VK_RIGHT);
    EXPECT_EQ(Told(), "0:200 1:0");
    Press(VK_LEFT, true);
    EXPECT_EQ(Caret(), 0u);
}

}  // namespace
}  // namespace velmo::test
