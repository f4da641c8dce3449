// The view's measuring rules: character widths and tab stops, the text
// area, where a row's drawing starts when scrolled, the widest line and
// where the view scrolls to.
#include <gtest/gtest.h>

#include <array>

#include "editview/view/row_layout_cache.h"
#include "editview/view/scroll_rules.h"
#include "editview/view/view_geometry.h"
#include "editview/view/widest_line.h"
#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::Size;

// Random fonts, some of one width for every printable character, some with
// glyphs too wide to be real; control characters shown or hidden before and
// after the font comes. Every width, box, tab jump and summary against the
// rules worked out directly.
TEST(CharWidthTableTest, FollowsTheWidthRules) {
    std::mt19937 rng(9);
    CharWidthTable widths;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::uint32_t font[256], one = rng() % 13;
        for (std::uint32_t& w : font) w = round % 3 == 0 ? one : rng() % 13;
        for (int c : {0, 9, 10, 13, 31, 127}) font[c] = rng() % 13;  // fixed pitch counts only what is printed
        if (round % 5 == 1) font['W'] = 0x10000 + rng() % 9;
        widths.ShowControlChars(rng() % 2 == 0);
        widths.SetFontWidths(font);
        if (rng() % 2 == 0) widths.ShowControlChars(rng() % 2 == 0);
        const bool shown = widths.ControlCharsShown();
        const std::int64_t tab = 4 * std::max(font['x'], 1u);
        std::uint32_t largest = 0, uniform = font[' '];
        for (int c = 0; c < 256; ++c) {
            bool control = c < 32 || c == 127;
            std::uint32_t box = 5;
            for (const char* letter = ControlCharName(c); *letter != '\0'; ++letter) box += font[int(*letter)];
            std::uint32_t width = shown && control ? box : c == '\t' ? tab : std::min(font[c], 0xFFFFu);
            ASSERT_EQ(widths.Width(c), width) << c;
            ASSERT_EQ(widths.BoxWidth(c), control ? box : 0) << c;
            largest = std::max(largest, width);
            if (!control && font[c] != font[' ']) uniform = 0;
        }
        EXPECT_EQ(widths.LargestAdvance(), largest);
        EXPECT_EQ(widths.UniformWidth(), uniform);
        EXPECT_EQ(widths.LineBreakBoxWidth(), widths.BoxWidth('\r') + widths.BoxWidth('\n'));
        // A hidden tab jumps to the next stop of a grid shifted by `origin`.
        const std::int64_t x = rng() % 300 - 150, origin = -std::int64_t(rng() % tab);
        auto jump = [&](std::int64_t from) {
            std::int64_t stop = origin - 100 * tab;
            while (stop <= from) stop += tab;
            return shown ? from + widths.BoxWidth('\t') : stop;
        };
        EXPECT_EQ(widths.Advance(x, '\t', origin), jump(x)) << x << " from " << origin;
        const std::uint8_t run[] = {'a', '\t', 'b'};
        EXPECT_EQ(widths.RunEnd(run, 3, x, origin), jump(x + widths.Width('a')) + widths.Width('b'));
    }
    EXPECT_STREQ(ControlCharName(0), "NUL");
    EXPECT_STREQ(ControlCharName(31), "US");
    EXPECT_STREQ(ControlCharName(127), "DEL");
    EXPECT_STREQ(ControlCharName(' '), "");
}

TEST(ViewGeometryTest, RequestsAreClampedAndSizesNeverReachZero) {
    EXPECT_EQ(LineHeight(16, 0, PaddingFromRequest(2, 3)), 21u);
    EXPECT_EQ(LineHeight(0, 0, PaddingFromRequest(0xFFFFFFFFll, -7)), 1000u);
    EXPECT_EQ(LineHeight(0, 0, PaddingFromRequest(-7, 1001)), 1000u);
    EXPECT_EQ(LineHeight(0, 0, Padding{}), 1u);
    EXPECT_EQ(LineHeight(0xFFFFFFF0u, 0, PaddingFromRequest(1000, 1000)), 0xFFFFFFFFu);
    EXPECT_EQ(MarginsFromRequest(3, 1u << 31).left, 4u);
    EXPECT_EQ(MarginsFromRequest(3, 1u << 31).right, 1001u);
    EXPECT_EQ(MarginsFromRequest(-1, -1).left, 1u);
    // {client height, line height, full rows, touched rows}; 0: minimised
    for (auto [height, line, full, touched] : {std::array<std::uint32_t, 4>{210, 21, 10, 10}, {211, 21, 10, 11},
                                               {0, 21, 1, 1}, {10, 21, 1, 1}, {10, 0, 10, 10}}) {
        EXPECT_EQ(ComputeRowCounts(height, line).full, full) << height << "/" << line;
        EXPECT_EQ(ComputeRowCounts(height, line).touched, touched) << height << "/" << line;
    }
    // The text area lies between the grouped gutter and the margins.
    EXPECT_EQ(GutterWidth(999, 7), 3u * 7 + 30);
    EXPECT_EQ(GutterWidth(1000, 7), 5u * 7 + 30);  // "1 000"
    auto fields = [](TextArea a) {
        return std::vector<std::int64_t>{a.textLeft, a.textRight, a.width, a.lastTextX, a.visibleColumns};
    };
    EXPECT_EQ(fields(ComputeTextArea(500, 65, Margins{4, 4}, 7)), (std::vector<std::int64_t>{69, 496, 427, 426, 61}));
    // Narrower than gutter and margins: no area, but still one column to page by.
    EXPECT_EQ(fields(ComputeTextArea(50, 65, Margins{4, 4}, 7)), (std::vector<std::int64_t>{69, 46, 0, -1, 1}));
    EXPECT_EQ(ComputeTextArea(0, 0, Margins{}, 7).textRight, 0u);
    EXPECT_EQ(ColumnRangeFor(50, 7).total, 8u);
    EXPECT_EQ(ColumnRangeFor(49, 7).total, 7u);  // whole columns only
    EXPECT_EQ(ColumnRangeFor(50, 7).last, 7u);
    EXPECT_EQ(ColumnRangeFor(0, 7).last, 0u);
}

// Every line measured character by character, the widest kept as the rule
// says (a lower line only when strictly wider), for counted widths of
// fixed-pitch fonts and measured ones alike; and the record kept through
// random edits, asked now and then, answers the same.
TEST(WidestLineTest, AgreesWithMeasuringEveryCharacter) {
    std::mt19937 rng(21);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        CharWidthTable widths = round % 2 == 0 ? test::UniformWidths(1 + rng() % 12) : test::RandomWidths(rng);
        widths.ShowControlChars(rng() % 3 == 0);
        std::string text = test::RandomText(rng, rng() % 300);
        if (rng() % 2 == 0) text = std::string(rng() % 90, 'a') + "\r\n" + text;  // long runs without a control byte
        WidestLineRecord record;
        std::uint32_t offset = 0, inserted = 0;  // the last edit
        for (int step = 0; step < 20; ++step) {
            LineTable lines;
            ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), Size(text), &lines));
            MeasuredText measured{lines, Bytes(text), widths};
            if (step == 0) {
                record.Measure(measured);
            } else {
                record.AfterEdit(measured, offset, inserted);
            }
            std::uint32_t first = rng() % lines.count, last = first + rng() % (lines.count - first);
            WidestLine expected{0, last};
            for (std::uint32_t line = last + 1; line-- > first;) {
                std::uint32_t length = lines.LineTextLength(line, widths.ControlCharsShown());
                auto width = static_cast<std::uint64_t>(widths.RunEnd(Bytes(text) + lines.Start(line), length, 0, 0));
                if (width > expected.width) expected = WidestLine{width, line};
            }
            WidestLine widest = FindWidestLine(lines, Bytes(text), widths, first, last);
            EXPECT_EQ(widest.width, expected.width);
            EXPECT_EQ(widest.line, expected.line);
            if (rng() % 3 == 0) {
                WidestLine kept = record.Current(measured);
                ASSERT_EQ(kept.width, FindWidestLine(lines, Bytes(text), widths).width) << "step " << step;
                ASSERT_EQ(FindWidestLine(lines, Bytes(text), widths, kept.line, kept.line).width, kept.width);
            }
            SystemHeap().Free(lines.handle);
            offset = rng() % (Size(text) + 1);
            std::string typed = test::RandomText(rng, rng() % 4 == 0 ? 0 : rng() % 20);
            text.replace(offset, rng() % (std::min(Size(text) - offset, 40u) + 1), typed);
            inserted = Size(typed);
        }
    }
}

// Edits that leave the widest line as wide or wider never measure the rest.
TEST(WidestLineTest, OnlyANarrowedOrRemovedWidestLineNeedsAFullMeasure) {
    CharWidthTable widths = test::UniformWidths(10);
    std::string text = "short\r\n" + std::string(50, 'w') + "\r\nend";
    LineTable lines;
    WidestLineRecord record;
    auto edit = [&](std::uint32_t offset, std::uint32_t removed, const std::string& inserted) {
        text.replace(offset, removed, inserted);
        SystemHeap().Free(lines.handle);
        ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), Size(text), &lines));
        record.AfterEdit(MeasuredText{lines, Bytes(text), widths}, offset, Size(inserted));
    };
    edit(0, 0, "");
    record.Measure(MeasuredText{lines, Bytes(text), widths});
    edit(2, 0, "typed\r\nmore");  // elsewhere, lines added
    edit(20, 0, "x");               // the widest line grows
    EXPECT_TRUE(record.Known());
    EXPECT_EQ(record.Current(MeasuredText{lines, Bytes(text), widths}).line, 2u);
    EXPECT_EQ(record.LastWidth(), 510u);
    edit(20, 1, "");  // it narrows again
    EXPECT_FALSE(record.Known());
    EXPECT_EQ(record.Current(MeasuredText{lines, Bytes(text), widths}).width, 500u);
    EXPECT_TRUE(record.Known());
    SystemHeap().Free(lines.handle);
}

class RowLayoutTest : public ::testing::Test {
protected:
    LayoutFrame Frame(std::uint32_t column, std::int64_t limit = 100) {
        return LayoutFrame{&widths, std::uint64_t{column} * widths.ColumnWidth(), limit};
    }
    static LineBytes LineOf(const std::string& s) { return LineBytes{Bytes(s), Size(s)}; }
    CharWidthTable widths = test::UniformWidths(10, 25);  // column 10, tab 40
};

// {xStart, firstDrawn, tabOrigin, count, prefixWidth, xEnd} of a line laid
// out at a column with a right limit.
TEST_F(RowLayoutTest, LaysOutTheCharactersInView) {
    struct {
        const char* name;
        std::string line;
        std::uint32_t column;
        std::int64_t limit;
        RowLayout layout;
    } const cases[] = {
        {"AtColumnZero", "abc", 0, 100, {0, 0, 0, 3, 0, 30}},
        {"EmptyLine", "", 7, 100, {0, 0, 0, 0, 0, 0}},
        {"EndsPastTheLimitAndIsDrawnPartly", "abcdefgh", 0, 45, {0, 0, 0, 5, 0, 50}},
        {"EndsExactlyAtTheLimit", "abcdefgh", 0, 50, {0, 0, 0, 6, 0, 60}},
        {"TabStopAtTheLimit", "a\tbcdef", 0, 40, {0, 0, 0, 2, 0, 40}},
        {"WideCharacterPartlyScrolledOut", "Wabc", 1, 100, {-10, 0, -10, 4, 0, 45}},
        {"FirstCharactersScrolledOut", "Wabc", 3, 100, {-5, 1, -30, 3, 25, 25}},
        {"LineLeftOfTheView", "Wabc", 9, 100, {-35, 4, -10, 0, 55, -35}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputeRowLayout(LineOf(c.line), Frame(c.column, c.limit)), c.layout) << c.name;
    }
}

// Random lines scrolled by random column counts: every moved record equals
// a fresh one at the new position, in both control-character modes.
TEST_F(RowLayoutTest, ScrollingEqualsAFreshComputation) {
    std::mt19937 rng(77);
    for (int round = 0; round < 300; ++round) {
        widths = test::RandomWidths(rng);
        widths.ShowControlChars(round % 4 == 0);
        std::string line = test::RandomText(rng, rng() % 80);
        std::int64_t limit = rng() % 200;
        std::uint32_t column = rng() % 40;
        RowLayout layout = ComputeRowLayout(LineOf(line), Frame(column, limit));
        for (int scroll = 0; scroll < 12; ++scroll) {
            std::uint64_t oldOffset = Frame(column).scrollOffset;
            int step = static_cast<int>(rng() % 21) - 10;
            column = static_cast<std::uint32_t>(std::max(0, static_cast<int>(column) + step));
            ScrollRowLayout(&layout, LineOf(line), oldOffset, Frame(column, limit));
            ASSERT_EQ(layout, ComputeRowLayout(LineOf(line), Frame(column, limit)))
                << "round " << round << " scroll " << scroll << " column " << column;
        }
    }
    RowLayout unset;
    ScrollRowLayout(&unset, LineOf("abc"), 0, Frame(3));
    EXPECT_FALSE(unset.Computed());
}

TEST_F(RowLayoutTest, CacheFollowsScrollsAndIsSizedFromTheView) {
    const std::vector<std::string> lines{"alpha", "\tbeta", "gamma gamma", "", "W\tW", "epsilon"};
    std::uint32_t first = 0;  // view row k shows lines[first + k]
    auto row = [&](std::uint32_t k) { return first + k < lines.size() ? LineOf(lines[first + k]) : LineBytes{}; };
    RowLayoutCache cache(SystemHeap());
    cache.ShiftUp(3);  // nothing to move yet
    cache.ShiftDown(3);
    ASSERT_TRUE(cache.Resize(4));
    cache.LayOutVisibleRows(4, row, Frame(1));
    cache.ScrollHorizontally(4, row, Frame(1).scrollOffset, Frame(4));
    first = 1;
    cache.ShiftUp(4);  // as many full rows as records: the last one is new
    EXPECT_FALSE(cache.Peek(3)->Computed());
    cache.LayOutVisibleRows(4, row, Frame(4));
    first = 0;
    cache.ShiftDown(4);
    EXPECT_FALSE(cache.Peek(0)->Computed());
    for (std::uint32_t k = 1; k < 4; ++k) EXPECT_EQ(*cache.Peek(k), ComputeRowLayout(row(k), Frame(4))) << k;
    cache.InvalidateRows(2, 100);
    EXPECT_TRUE(cache.Peek(1)->Computed());
    EXPECT_FALSE(cache.Peek(3)->Computed());
    // Taller than any fixed count would allow; a failed growth keeps the old
    // records, none computed; rows beyond the cache are laid out but not kept.
    ASSERT_TRUE(cache.Resize(3000));
    ASSERT_TRUE(cache.Resize(2));
    cache.LayOutVisibleRows(2, row, Frame(0));
    SystemHeap().FailAlways(true);
    EXPECT_TRUE(cache.Resize(2));  // the same size needs no memory
    EXPECT_FALSE(cache.Peek(0)->Computed());
    cache.LayOutVisibleRows(2, row, Frame(0));
    EXPECT_FALSE(cache.Resize(5));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(cache.Capacity(), 2u);
    EXPECT_FALSE(cache.Peek(1)->Computed());
    EXPECT_EQ(cache.Peek(2), nullptr);
    EXPECT_EQ(cache.Load(2, row(2), Frame(0)), ComputeRowLayout(row(2), Frame(0)));
    EXPECT_EQ(cache.Current(), ComputeRowLayout(row(2), Frame(0)));
    EXPECT_EQ(cache.Load(-1, row(0), Frame(0)), ComputeRowLayout(row(0), Frame(0)));
    cache.Load(1, row(1), Frame(0));
    EXPECT_EQ(cache.Current(), *cache.Peek(1));
}

enum { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom, kEndScroll };

VerticalFrame Frame(std::uint32_t first, std::uint32_t rows = 100, std::uint32_t full = 10,
                    std::uint32_t touched = 10) {
    return VerticalFrame{first, rows, full, touched};
}

TEST(ScrollRules, ScrollBarCodesStopAtTheLastFullPage) {
    // {first row, scroll bar code, thumb position, first row after}
    for (auto [first, code, track, after] : {std::array<std::uint32_t, 4>{90, kLineDown, 0, 90}, {89, kLineDown, 0, 90},
                                             {85, kPageDown, 0, 90}, {0, kLineUp, 0, 0}, {5, kPageUp, 0, 0},
                                             {50, kLineUp, 0, 49}, {50, kPageUp, 0, 40}, {50, kTop, 0, 0},
                                             {50, kBottom, 0, 90}, {50, kThumbTrack, 70, 70},
                                             {50, kThumbPosition, 70, 50}, {50, kEndScroll, 70, 50}}) {
        EXPECT_EQ(FirstRowAfterCode(Frame(first), static_cast<int>(code), track), after) << first << " code " << code;
    }
    EXPECT_EQ(FirstRowAfterCode(Frame(0, 5), kBottom, 0), 0u);  // a short document never scrolls
}

// Wheel steps are whole; line scrolls, found text, clamps after growing,
// horizontal paging and caret rows brought into view stay within the document.
TEST(ScrollRules, StepsClampsAndCaretRows) {
    EXPECT_EQ(WheelRows(-120, 40), -3);
    EXPECT_EQ(WheelRows(120, 40), 3);
    EXPECT_EQ(WheelRows(30, 40), 0);
    EXPECT_EQ(WheelRows(120, 0), 0);  // a screen per notch: the wheel does nothing
    EXPECT_EQ(FirstRowAfterLines(Frame(2), -5), 0u);
    EXPECT_EQ(FirstRowAfterLines(Frame(2), 1000000000), 90u);
    EXPECT_EQ(FirstRowAfterLines(Frame(2), 3), 5u);
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 100, true), 90u);  // centred
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 4, true), 0u);
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 105, false), 100u);  // page-aligned
    EXPECT_EQ(ClampFirstRow(Frame(90, 100, 20, 20)), 80u);
    EXPECT_EQ(ClampFirstRow(Frame(50, 100, 20, 20)), 50u);
    EXPECT_EQ(ClampFirstRow(Frame(0, 5, 20, 20)), 0u);
    EXPECT_EQ(ClampFirstColumn(30, 20, 40), 20u);
    EXPECT_EQ(ClampFirstColumn(30, 50, 40), 0u);
    EXPECT_EQ(ClampFirstColumn(10, 20, 40), 10u);
    EXPECT_EQ(FirstColumnShowing(45, 20), 40u);
    EXPECT_EQ(FirstColumnShowing(45, 0), 45u);
    // Caret rows come into view.
    EXPECT_EQ(FirstRowShowing(Frame(20), 25, false), 20u);  // visible already
    EXPECT_EQ(FirstRowShowing(Frame(23), 23, false), 23u);  // the top row itself
    EXPECT_EQ(FirstRowShowing(Frame(20), 29, true), 21u);   // cut by the bottom edge
    EXPECT_EQ(FirstRowShowing(Frame(20), 30, false), 21u);  // just below
    EXPECT_EQ(FirstRowShowing(Frame(20, 100, 10, 11), 31, false), 22u);  // just below a partly shown row
    EXPECT_EQ(FirstRowShowing(Frame(20), 19, false), 19u);  // just above
    EXPECT_EQ(FirstRowShowing(Frame(20), 57, false), 50u);  // far: page-aligned
    EXPECT_EQ(FirstRowShowing(Frame(20), 3, false), 0u);
    EXPECT_EQ(FirstRowShowing(Frame(20, 95), 93, false), 85u);  // never past the last full page
}

}  // namespace
}  // namespace velmo
