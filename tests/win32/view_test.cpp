// What the control shows, read back pixel by pixel: selection colours, tab
// stops, named control characters, the gutter and markers, wrapped rows, the
// focused window on screen, degenerate sizes, and random edits and scrolls
// that must paint as fresh layouts do. A few pictures are kept as artefacts.
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "editview/view/hit_test.h"
#include "test_window.h"
#include "view_picture.h"

namespace velmo::test {
namespace {

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kInactiveSelection = RGB(0x68, 0x93, 0xD9);
constexpr COLORREF kBoxColour = RGB(0x5C, 0x5C, 0x5C);
constexpr COLORREF kNumberColour = RGB(0, 0, 0xC0);
constexpr COLORREF kGutterColour = RGB(0xC8, 0xC8, 0xC8);
constexpr int kSome = -1;

// Pixels of `colour` in text columns [from, to) of view row `row`: none,
// some, or exactly `want`.
struct Strip {
    int row, from, to;
    COLORREF colour;
    int want;
};

// The unfocused colours, which the tests' control shows, set to plain values
// (the selection keeps its default).
class ViewTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        Send(EVM_SETTEXTINACTIVECOLOR, kBlack);
        Send(EVM_SETBKINACTIVECOLOR, kWhite);
        Send(EVM_SETLINENUMBERSINACTIVECOLOR, kNumberColour);
        Send(EVM_SETBKLINENUMBERSINACTIVECOLOR, kGutterColour);
    }
    static int Left() { return static_cast<int>(View().area.textLeft); }
    void ExpectStrips(const Picture& p, std::initializer_list<Strip> strips) {
        int cw = CharWidth(), lh = LineHeight();
        for (const Strip& s : strips) {
            int n = p.Count(Left() + s.from * cw, s.row * lh, Left() + s.to * cw, (s.row + 1) * lh, s.colour);
            EXPECT_TRUE(s.want == kSome ? n > 0 : n == s.want) << s.row << ":" << s.from << "-" << s.to << " " << n;
        }
    }
    static Picture Glyphs(const char* text) {
        return TextPicture(64, LineHeight(), static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)), text, 0, 0);
    }
};

TEST_F(ViewTest, SelectionColoursEmptyLinesAndTabStops) {
    SetText("abcdefgh\r\n\r\na\tb\r\nabcde\tf");
    Send(EM_SETSEL, 2, 5);
    Picture p = Render(edit);
    p.Save("selection");
    // Selected: the unfocused selection colour with text in the background colour; around it black on white.
    ExpectStrips(p, {{0, 2, 5, kInactiveSelection, kSome}, {0, 2, 5, kWhite, kSome}, {0, 2, 5, kBlack, 0},
                     {0, 0, 2, kBlack, kSome}, {0, 5, 8, kBlack, kSome}, {0, -9, 2, kInactiveSelection, 0},
                     {0, 5, 99, kInactiveSelection, 0}, {0, 8, 99, kBlack, 0}, {2, 0, 1, kBlack, kSome},
                     {2, 1, 4, kBlack, 0}, {2, 4, 5, kBlack, kSome}, {3, 5, 8, kBlack, 0}, {3, 8, 9, kBlack, kSome}});
    Send(EM_SETSEL, 0, 12);  // an empty line in a selection shows one column
    ExpectStrips(Render(edit), {{1, 0, 1, kInactiveSelection, CharWidth() * LineHeight()},
                                {1, 1, 99, kInactiveSelection, 0}});
}

TEST_F(ViewTest, ControlCharactersShowAsNamedBoxes) {
    SetText(std::string("A\x01\tB\x7F", 5));
    Send(EVM_SHOWCONTROLCHARS, 1);
    Picture p = Render(edit);
    p.Save("control_characters");
    int cw = CharWidth(), fh = static_cast<int>(View().fontHeight);
    int x = Left() + cw;
    for (const char* name : {"SOH", "TAB", "DEL"}) {
        if (name[0] == 'D') {  // the tab is a box, not a jump: B follows it at once
            EXPECT_GT(p.Count(x, 0, x + cw, fh, kBlack), 0);
            x += cw;
        }
        EXPECT_GT(p.Count(x, 0, x + 3 * cw + 5, fh, kBoxColour), 0) << name;
        // The name in the background colour, exactly as the font draws it.
        EXPECT_TRUE(p.Shows(Glyphs(name), RECT{x + 3, 2, x + 2 + 3 * cw - 1, fh - 2}, x + 2, 0, kBoxColour)) << name;
        x += 3 * cw + 5;
    }
    Send(EVM_SHOWCONTROLCHARS, 0);
    EXPECT_EQ(Render(edit).Count(0, 0, p.width, p.height, kBoxColour), 0);
}

TEST_F(ViewTest, GutterShowsGroupedNumbersRightAlignedAndMarkers) {
    SetText(Lines(1000));
    Send(EVM_SHOWLINENUMBERS, 1);
    const ViewState& v = View();
    int g = static_cast<int>(v.gutterWidth), lh = LineHeight();
    EXPECT_EQ(g, static_cast<int>(5 * v.gutterCharWidth + 30));  // "1 000"
    EXPECT_EQ(Left(), g + 1);
    Send(EM_LINESCROLL, 0, 1000);  // the last page: lines 991 to 1 000
    EXPECT_EQ(Send(EVM_MARKLINE, 995), 1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 1), 0);
    Picture p = Render(edit);
    p.Save("gutter");
    ASSERT_EQ(v.firstVisibleRow, 990u);
    EXPECT_EQ(p.Count(g - 1, 0, g, lh, kBlack), lh);  // the separator
    EXPECT_EQ(p.Count(g - 2, 0, g - 1, lh, kWhite), lh);
    EXPECT_EQ(p.At(1, 1), kGutterColour);
    for (int row : {7, 8, 9}) {
        std::string number = row < 9 ? std::to_string(991 + row) : "1 000";
        Picture drawn = TextPicture(g, lh, v.lineNumberFont, number.c_str(), g - 20, 0, true);
        EXPECT_TRUE(p.Shows(drawn, RECT{0, row * lh, g - 2, row * lh + lh}, 0, row * lh, kGutterColour)) << number;
    }
    for (int row : {4, 5, 6}) {
        EXPECT_EQ(p.Count(g - 18, row * lh, g - 2, row * lh + lh, kNumberColour) > 0, row == 5) << "marker " << row;
    }
}

TEST_F(ViewTest, WrappedRowsShowAndScrollAsRows) {
    std::string line;
    for (int i = 0; i < 100; ++i) line += "0123456789";  // more rows than the view shows
    SetText(line + "\r\nabc");
    Play("numbers wrap wrap sel=3,12");  // asked again while on: the step checks the answer
    Picture p = Render(edit);
    p.Save("wrapped");
    // The second row starts with the character that did not fit on the first; only the first row is numbered.
    std::uint32_t perRow = View().area.visibleColumns;
    char first[2] = {line[perRow], 0};
    int l = Left(), lh = LineHeight();
    EXPECT_TRUE(p.Shows(Glyphs(first), RECT{l, lh, l + CharWidth(), 2 * lh}, l, lh, kWhite));
    EXPECT_EQ(HitTest(l + 1, lh + 1), perRow);
    EXPECT_GT(p.Count(0, 0, l - 2, lh, kNumberColour), 0);
    EXPECT_EQ(p.Count(0, lh, l - 2, p.height, kNumberColour), 0);
    Send(EM_LINESCROLL, 0, 1);  // rows, not lines
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 1);
    EXPECT_EQ(Send(EVM_SETWORDWRAP, 0), 0);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
}

// The window on screen, painted through WM_PAINT and the off-screen bitmap,
// focused: a wrapped document with line numbers, a selection, named control
// characters and a marker.
TEST_F(ViewTest, TheFocusedWindowShowsEverythingOnScreen) {
    constexpr COLORREF kSelection = RGB(0x33, 0x99, 0xFF);
    Send(EVM_SETSELCOLOR, kSelection);
    Send(EVM_SETBKCOLOR, kWhite);
    Send(EVM_SETTEXTCOLOR, kBlack);
    SetText(std::string(100, 'w') + "\r\n\tTabs, NUL " + std::string(1, '\0') + " and DEL \x7f\r\n" + Lines(28));
    Play("wrap numbers");
    Send(EVM_SHOWCONTROLCHARS, 1);
    Send(EVM_MARKLINE, 3);
    ShowWindow(parent, SW_SHOW);
    SetForegroundWindow(parent);
    SetFocus(edit);
    Send(EM_SETSEL, 6, 40);
    UpdateWindow(parent);
    PumpMessages();
    Picture p = Capture(edit);
    p.Save("window");
    EXPECT_TRUE(Control().focused);
    EXPECT_GT(p.Count(0, 0, p.width, LineHeight(), kSelection), 0);
    EXPECT_GT(p.Count(0, 0, Left(), p.height, kBlack), 0);  // separator and digits
    ShowWindow(parent, SW_HIDE);
}

// A minimised window, an enormous padding or margin, no font (the system's):
// nothing divides by zero and the view still paints.
TEST_F(ViewTest, DegenerateSizesAndSettingsAreSafe) {
    SetText(Lines(100));
    Play("area=40,0 vPageDown vPageUp show");
    Send(EVM_SETPADDING, 0x7FFFFFFF, static_cast<LPARAM>(-5));
    Send(EVM_SETMARGINS, 0xFFFFFFFF, 0x7FFFFFFF);
    EXPECT_EQ(View().padding.above + View().margins.left, 2001u);  // both at their limits
    EXPECT_EQ(View().padding.below, 0u);
    MoveWindow(edit, 0, 0, 600, 200, TRUE);
    Play("wrap vPageDown");
    EXPECT_GT(Render(edit).width, 0);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 100);
    Send(WM_SETFONT, 0, 0);
    HDC dc = GetDC(edit);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(edit, dc);
    EXPECT_EQ(static_cast<LONG>(View().fontHeight), metrics.tmHeight);
}

// Edits and scrolls keep the row layouts they do not invalidate: after each
// random step the picture must equal the one painted from a fresh geometry,
// rows and layouts (the document crosses 999 lines, widening the gutter).
class ViewConsistencyTest : public EditViewTest, public ::testing::WithParamInterface<int> {};

TEST_P(ViewConsistencyTest, IncrementalLayoutsPaintAsFreshOnes) {
    std::string text;
    for (int i = 0; i < 998; ++i) text += std::string(static_cast<std::size_t>(i * 7 % 150), 'a' + i % 26) + "\t|\r\n";
    SetText(text);
    Send(EVM_SHOWLINENUMBERS, 1);
    Send(EVM_SETWORDWRAP, GetParam());
    std::srand(7 + 4 * GetParam());
    for (int step = 0; step < 150 && !HasFailure(); ++step) {
        int roll = std::rand() % 11;
        LRESULT length = Send(WM_GETTEXTLENGTH);
        if (roll < 3) {
            Send(WM_CHAR, "x\t\r\r"[std::rand() % 4], 0);
        } else if (roll < 4) {
            Send(WM_KEYDOWN, VK_BACK, 0);
        } else if (roll < 8) {
            Send(roll < 6 ? WM_VSCROLL : WM_HSCROLL, std::rand() % 4, 0);
        } else if (roll < 10) {
            LRESULT from = std::rand() % (length + 1);  // a few lines either way
            Send(EM_SETSEL, from, std::clamp<LRESULT>(from + std::rand() % 400 - 200, 0, length));
            Send(EM_SCROLLCARET);
        } else {  // lines in view rewritten shorter, as many as before
            LRESULT top = Send(EM_LINEINDEX, Send(EM_GETFIRSTVISIBLELINE));  // a row, not a line, in wrapped views
            auto start = static_cast<std::size_t>(std::clamp<LRESULT>(top + std::rand() % 50, 0, length));
            std::size_t end = std::min<std::size_t>(start + std::rand() % 200, length);
            std::string with;
            for (char ch : Text().substr(start, end - start)) {
                if (ch == '\r' || ch == '\n' || std::rand() % 8 == 0) with += ch;
            }
            Send(EM_SETSEL, start, end);
            Send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(with.c_str()));
        }
        Picture now = Render(edit);
        RECT client;
        GetClientRect(edit, &client);
        Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));  // a fresh geometry and rows
        Control().layouts.InvalidateAll();
        ASSERT_TRUE(now.pixels == Render(edit).pixels) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(WrapOffAndOn, ViewConsistencyTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace velmo::test
