// What the control shows, read back pixel by pixel: text, selection colours,
// tab stops, named control characters, the line-number gutter and markers,
// with word wrap on and off. A few pictures are kept as artefacts.
#include <algorithm>
#include <cstring>
#include <string>

#include "editview/control_state.h"
#include "editview/editview_messages.h"
#include "editview/view/hit_test.h"
#include "view_picture.h"

namespace velmo::test {
namespace {

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kInactiveSelection = RGB(0x68, 0x93, 0xD9);
constexpr COLORREF kBoxColour = RGB(0x5C, 0x5C, 0x5C);
constexpr COLORREF kNumberColour = RGB(0, 0, 0xC0);
constexpr COLORREF kGutterColour = RGB(0xC8, 0xC8, 0xC8);

// The tests' control is never focused: its unfocused colours are the ones
// shown, set here to plain values (the selection keeps its default).
class ViewPaintTest : public EditViewTest {
protected:
    void SetUp() override {
        EditViewTest::SetUp();
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), 0);
        Send(EVM_SETTEXTINACTIVECOLOR, kBlack);
        Send(EVM_SETBKINACTIVECOLOR, kWhite);
        Send(EVM_SETLINENUMBERSINACTIVECOLOR, kNumberColour);
        Send(EVM_SETBKLINENUMBERSINACTIVECOLOR, kGutterColour);
    }
    const ViewState& View() const { return Control().view; }
    int Left() const { return static_cast<int>(View().area.textLeft); }
    int Cw() const { return static_cast<int>(View().widths.ColumnWidth()); }
    int Lh() const { return static_cast<int>(View().lineHeight); }
    int Fh() const { return static_cast<int>(View().fontHeight); }
    // Pixels of `colour` in columns [from, to) of view row `row`.
    static int InRow(const Picture& p, int row, int lh, int from, int to, COLORREF colour) {
        return p.Count(from, row * lh, to, (row + 1) * lh, colour);
    }
    // Whether the pixels that differ from `background` in `area` are exactly
    // those of `other` (black on white) that differ from white, moved by
    // (dx, dy): the same glyphs, whatever their colour or smoothing.
    static bool SameMarks(const Picture& p, COLORREF background, const RECT& area, const Picture& other, int dx,
                          int dy) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if ((p.At(x, y) != background) != (other.At(x - dx, y - dy) != kWhite)) return false;
            }
        }
        return true;
    }
    // Whether the picture's black pixels in `area` are exactly `other`'s
    // black pixels moved by (dx, dy), against `ink` in the picture.
    static bool SameGlyphs(const Picture& p, COLORREF ink, const RECT& area, const Picture& other, int dx, int dy) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                bool here = p.At(x, y) == ink;
                bool there = other.At(x - dx, y - dy) == kBlack;
                if (here != there) return false;
            }
        }
        return true;
    }
    void SetLines(int count) {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + (i < count ? "\r\n" : "");
        SetText(text);
    }
};

TEST_F(ViewPaintTest, SelectionKeepsItsColoursToThePixel) {
    SetText("abcdefgh");
    Send(EM_SETSEL, 2, 5);
    Picture p = Render(edit);
    p.Save("selection");
    int l = Left(), cw = Cw(), lh = Lh();
    // Selected: the unfocused selection colour with text in the background colour.
    EXPECT_GT(InRow(p, 0, lh, l + 2 * cw, l + 5 * cw, kInactiveSelection), 0);
    EXPECT_GT(InRow(p, 0, lh, l + 2 * cw, l + 5 * cw, kWhite), 0);
    EXPECT_EQ(InRow(p, 0, lh, l + 2 * cw, l + 5 * cw, kBlack), 0);
    // Around it: black on white, and nothing selected.
    EXPECT_GT(InRow(p, 0, lh, l, l + 2 * cw, kBlack), 0);
    EXPECT_GT(InRow(p, 0, lh, l + 5 * cw, l + 8 * cw, kBlack), 0);
    EXPECT_EQ(InRow(p, 0, lh, 0, l + 2 * cw, kInactiveSelection), 0);
    EXPECT_EQ(InRow(p, 0, lh, l + 5 * cw, p.width, kInactiveSelection), 0);
    EXPECT_EQ(InRow(p, 0, lh, l + 8 * cw, p.width, kBlack), 0);
}

TEST_F(ViewPaintTest, AnEmptyLineInTheSelectionShowsOneColumn) {
    SetText("ab\r\n\r\ncd");
    Send(EM_SETSEL, 0, 8);
    Picture p = Render(edit);
    int l = Left(), cw = Cw(), lh = Lh();
    EXPECT_EQ(InRow(p, 1, lh, l, l + cw, kInactiveSelection), cw * lh);
    EXPECT_EQ(InRow(p, 1, lh, l + cw, p.width, kInactiveSelection), 0);
}

TEST_F(ViewPaintTest, TabsJumpToStopsOfFourColumns) {
    SetText("a\tb\r\nabcde\tf");
    Picture p = Render(edit);
    int l = Left(), cw = Cw(), lh = Lh();
    EXPECT_GT(InRow(p, 0, lh, l, l + cw, kBlack), 0);
    EXPECT_EQ(InRow(p, 0, lh, l + cw, l + 4 * cw, kBlack), 0);
    EXPECT_GT(InRow(p, 0, lh, l + 4 * cw, l + 5 * cw, kBlack), 0);
    EXPECT_EQ(InRow(p, 1, lh, l + 5 * cw, l + 8 * cw, kBlack), 0);
    EXPECT_GT(InRow(p, 1, lh, l + 8 * cw, l + 9 * cw, kBlack), 0);
}

TEST_F(ViewPaintTest, ControlCharactersShowAsNamedBoxes) {
    SetText(std::string("A\x01\tB\x7F", 5));
    Send(EVM_SHOWCONTROLCHARS, 1);
    Picture p = Render(edit);
    p.Save("control_characters");
    int l = Left(), cw = Cw(), fh = Fh();
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    int x = l + cw;
    for (const char* name : {"SOH", "TAB"}) {
        int w = static_cast<int>(std::strlen(name)) * cw + 5;
        EXPECT_GT(p.Count(x, 0, x + w, fh, kBoxColour), 0) << name;
        // The name in the background colour, exactly as the font draws it.
        Picture expected = TextPicture(64, fh, font, name, 0, 0);
        RECT inside{x + 3, 2, x + 2 + static_cast<int>(std::strlen(name)) * cw - 1, fh - 2};
        EXPECT_TRUE(SameGlyphs(p, kWhite, inside, expected, x + 2, 0)) << name;
        x += w;
    }
    // The tab is a box, not a jump: B follows it at once.
    EXPECT_GT(p.Count(x, 0, x + cw, fh, kBlack), 0);
    int del = x + cw;
    EXPECT_TRUE(SameGlyphs(p, kWhite, RECT{del + 3, 2, del + 2 + 3 * cw - 1, fh - 2},
                           TextPicture(64, fh, font, "DEL", 0, 0), del + 2, 0));

    Send(EVM_SHOWCONTROLCHARS, 0);
    EXPECT_EQ(Render(edit).Count(0, 0, p.width, p.height, kBoxColour), 0);
}

TEST_F(ViewPaintTest, GutterShowsGroupedNumbersRightAlignedWithASeparator) {
    SetLines(1000);
    Send(EVM_SHOWLINENUMBERS, 1);
    const ViewState& v = View();
    int g = static_cast<int>(v.gutterWidth);
    EXPECT_EQ(g, static_cast<int>(5 * v.gutterCharWidth + 30));  // "1 000"
    EXPECT_EQ(Left(), g + 1);
    Send(EM_LINESCROLL, 0, 1000);  // the last page
    Picture p = Render(edit);
    p.Save("gutter");
    int lh = Lh();
    int first = static_cast<int>(Send(EM_GETFIRSTVISIBLELINE));
    ASSERT_EQ(first + static_cast<int>(View().rows.full), 1000);
    for (int y = 0; y < lh; ++y) {
        EXPECT_EQ(p.At(g - 1, y), kBlack);
        EXPECT_EQ(p.At(g - 2, y), kWhite);
    }
    EXPECT_EQ(p.At(1, 1), kGutterColour);
    for (int line = 998; line <= 1000; ++line) {
        std::string number = line < 1000 ? std::to_string(line) : "1 000";
        int row = line - 1 - first;
        Picture expected = TextPicture(g, lh, v.lineNumberFont, number.c_str(), g - 20, 0, true);
        RECT strip{0, row * lh, g - 2, row * lh + lh};
        EXPECT_TRUE(SameMarks(p, kGutterColour, strip, expected, 0, row * lh)) << number;
    }
}

TEST_F(ViewPaintTest, MarkedLinesShowASymbolBesideTheSeparator) {
    SetLines(10);
    Send(EVM_SHOWLINENUMBERS, 1);
    EXPECT_NE(Send(EVM_MARKLINE, 3), 0);
    EXPECT_EQ(Send(EVM_MARKLINE, 3), 0);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 6), -1);
    EXPECT_EQ(Send(EVM_SETMARKERSTYLE, 1), 0);
    Picture p = Render(edit);
    int g = static_cast<int>(View().gutterWidth), lh = Lh();
    EXPECT_GT(InRow(p, 3, lh, g - 18, g - 2, kNumberColour), 0);
    EXPECT_EQ(InRow(p, 2, lh, g - 18, g - 2, kNumberColour), 0);
    EXPECT_EQ(InRow(p, 4, lh, g - 18, g - 2, kNumberColour), 0);
}

TEST_F(ViewPaintTest, WordWrapKeepsTheBytesAndAnswersPerMode) {
    std::string line;
    for (int i = 0; i < 500; ++i) line += "0123456789";  // more rows than the view shows
    std::string text = line + "\r\nabc";
    SetText(text);
    EXPECT_EQ(Send(EVM_SETWORDWRAP, 1), 1);
    EXPECT_EQ(Send(EVM_SETWORDWRAP, 1), 1);
    EXPECT_EQ(Text(), text);
    const TextStore& store = Control().store;
    std::uint32_t perRow = View().area.width / Cw();
    EXPECT_EQ(store.RowCount(), (5000 + perRow - 1) / perRow + 1);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    EXPECT_EQ(Send(EM_LINEINDEX, 1), 5002);
    EXPECT_EQ(Send(EVM_GETLINESIZE, 0), 5002);
    EXPECT_EQ(Send(EVM_LINEFROMCHAR, 0, 150), 0);
    Send(EM_SETSEL, 150, 150);
    EXPECT_EQ(Send(EVM_GETCARETLINE), 0);
    EXPECT_EQ(Send(EVM_GETCARETCOLUMN), 150);
    EXPECT_EQ(store.CaretRow(), 150 / perRow);

    // The second row starts with the character that did not fit on the first.
    Send(EVM_SHOWLINENUMBERS, 1);
    Send(EM_SETSEL, 3, 12);
    Picture p = Render(edit);
    p.Save("wrapped");
    perRow = View().area.width / Cw();
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT));
    char first[2] = {line[perRow], 0};
    int l = Left(), lh = Lh();
    EXPECT_TRUE(SameGlyphs(p, kBlack, RECT{l, lh, l + Cw(), 2 * lh}, TextPicture(64, lh, font, first, 0, 0), l, lh));
    EXPECT_EQ(HitTest(l + 1, lh + 1), perRow);  // rows are hit as rows
    // Only the first row of a line is numbered.
    EXPECT_GT(InRow(p, 0, lh, 0, l - 2, kNumberColour), 0);
    EXPECT_EQ(p.Count(0, lh, l - 2, p.height, kNumberColour), 0);

    Send(EM_LINESCROLL, 0, 1);  // rows, not lines
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 1);
    EXPECT_EQ(Send(EVM_SETWORDWRAP, 0), 0);
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(store.RowCount(), 2u);
}

TEST_F(ViewPaintTest, TypingWithWrapOnKeepsRowsAndText) {
    SetText("");
    Send(EVM_SETWORDWRAP, 1);
    std::uint32_t perRow = View().area.width / Cw();
    for (std::uint32_t i = 0; i < perRow + 3; ++i) Send(WM_CHAR, 'a' + i % 26, 0);
    EXPECT_EQ(Text().size(), perRow + 3);
    EXPECT_EQ(Control().store.RowCount(), 2u);
    EXPECT_EQ(Send(EVM_GETCARETCOLUMN), static_cast<LRESULT>(perRow + 3));
    Send(WM_CHAR, '\r', 0);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 2);
    EXPECT_EQ(Control().store.RowCount(), 3u);
    Send(EM_UNDO);
    EXPECT_EQ(Control().store.RowCount(), 2u);
}

// A replacement over several lines that keeps the line count lays out again
// every line it wrote, not only the first.
TEST_F(ViewPaintTest, AReplacementOverSeveralLinesShowsEveryLineAnew) {
    const std::string before = "<p>one</p>\r\n<p>two words</p>\r\nend";
    for (int wrap : {0, 1}) {
        SCOPED_TRACE(wrap);
        Send(EVM_SETWORDWRAP, wrap);
        SetText(before);
        Render(edit);  // every row laid out once
        Send(EM_SETSEL, 0, static_cast<LPARAM>(before.find("\r\nend")));
        Send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("one\r\ntwo words"));
        Send(EM_SETSEL, 0, 0);
        Picture edited = Render(edit);
        SetText(Text());
        Send(EM_SETSEL, 0, 0);
        EXPECT_TRUE(edited.pixels == Render(edit).pixels);
    }
}

// Enter on line 999 makes the gutter one digit wider: the text area narrows
// and every row is broken again for it.
TEST_F(ViewPaintTest, AWiderGutterBreaksTheRowsAgain) {
    SetLines(999);
    Send(EVM_SHOWLINENUMBERS, 1);
    Send(EVM_SETWORDWRAP, 1);
    std::uint32_t before = View().area.width;
    std::uint32_t end = static_cast<std::uint32_t>(Send(WM_GETTEXTLENGTH));
    Send(EM_SETSEL, end, end);
    Send(WM_CHAR, '\r', 0);
    EXPECT_EQ(Send(EM_GETLINECOUNT), 1000);
    EXPECT_LT(View().area.width, before);
    EXPECT_EQ(Control().store.Rules().wrapWidth, View().area.width);
}

TEST_F(ViewPaintTest, NoFontMeansTheSystemFont) {
    Send(WM_SETFONT, 0, 0);
    HDC dc = GetDC(edit);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    INT x = 0;
    GetCharWidth32A(dc, 'x', 'x', &x);
    ReleaseDC(edit, dc);
    EXPECT_EQ(Fh(), metrics.tmHeight);
    EXPECT_EQ(Cw(), x);
}

// The window on screen, painted through WM_PAINT and the off-screen bitmap,
// focused: a wrapped document with line numbers, a selection, named control
// characters and a marker.
TEST_F(ViewPaintTest, TheFocusedWindowShowsEverythingOnScreen) {
    constexpr COLORREF kSelection = RGB(0x33, 0x99, 0xFF);
    Send(EVM_SETSELCOLOR, kSelection);
    Send(EVM_SETBKCOLOR, kWhite);
    Send(EVM_SETTEXTCOLOR, kBlack);
    std::string text = "Velmo 2 shows long lines wrapped into rows that fit the window, numbering only the "
                       "first row of each line.\r\n\tTabs, NUL ";
    text += std::string(1, '\0') + " and DEL \x7f show as named boxes.\r\n";
    for (int i = 3; i <= 30; ++i) text += "Line " + std::to_string(i) + (i < 30 ? "\r\n" : "");
    SetText(text);
    Send(EVM_SETWORDWRAP, 1);
    Send(EVM_SHOWLINENUMBERS, 1);
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
    EXPECT_GT(p.Count(0, 0, p.width, Lh(), kSelection), 0);
    EXPECT_GT(p.Count(0, 0, Left(), p.height, kBlack), 0);  // separator and digits
    ShowWindow(parent, SW_HIDE);
}

}  // namespace
}  // namespace velmo::test
