#include "editview/view/view_geometry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editview/model/line_table.h"
#include "wrap_test_support.h"

namespace velmo {
namespace {

TEST(ViewGeometryTest, PaddingAndMarginsAreClampedAndLineHeightKeptPositive) {
    Padding padding = PaddingFromRequest(2, 3);
    EXPECT_EQ(LineHeight(16, 0, padding), 21u);
    padding = PaddingFromRequest(0xFFFFFFFFll, -7);
    EXPECT_EQ(padding.above, 1000u);
    EXPECT_EQ(padding.below, 0u);
    EXPECT_EQ(LineHeight(0, 0, Padding{}), 1u);
    EXPECT_EQ(LineHeight(0xFFFFFFF0u, 0, PaddingFromRequest(1000, 1000)), 0xFFFFFFFFu);

    Margins margins = MarginsFromRequest(0, 0);
    EXPECT_EQ(margins.left, 1u);
    EXPECT_EQ(margins.right, 1u);
    margins = MarginsFromRequest(3, 1u << 31);
    EXPECT_EQ(margins.left, 4u);
    EXPECT_EQ(margins.right, 1001u);
    EXPECT_EQ(MarginsFromRequest(-1, -1).left, 1u);
}

TEST(ViewGeometryTest, GutterFollowsTheGroupedLineCount) {
    EXPECT_EQ(GutterWidth(999, 7), 3u * 7 + 30);
    EXPECT_EQ(GutterWidth(1000, 7), 5u * 7 + 30);  // "1 000"
    EXPECT_EQ(GutterWidth(1234567, 7), 9u * 7 + 30);
    EXPECT_EQ(GutterWidth(1, 0), 30u);
}

TEST(ViewGeometryTest, TextAreaBetweenGutterAndMargins) {
    TextArea area = ComputeTextArea(500, 65, Margins{4, 4}, 7);
    EXPECT_EQ(area.textLeft, 69u);
    EXPECT_EQ(area.textRight, 496u);
    EXPECT_EQ(area.width, 427u);
    EXPECT_EQ(area.lastTextX, 426);
    EXPECT_EQ(area.visibleColumns, 61u);
    // Narrower than gutter and margins: no area, but still one column to page by.
    area = ComputeTextArea(50, 65, Margins{4, 4}, 7);
    EXPECT_EQ(area.textRight, 46u);
    EXPECT_EQ(area.width, 0u);
    EXPECT_EQ(area.lastTextX, -1);
    EXPECT_EQ(area.visibleColumns, 1u);
    EXPECT_EQ(ComputeTextArea(0, 0, Margins{}, 7).textRight, 0u);
}

TEST(ViewGeometryTest, RowCountsNeverReachZero) {
    RowCounts rows = ComputeRowCounts(210, 21);
    EXPECT_EQ(rows.full, 10u);
    EXPECT_EQ(rows.touched, 10u);
    rows = ComputeRowCounts(211, 21);
    EXPECT_EQ(rows.full, 10u);
    EXPECT_EQ(rows.touched, 11u);
    rows = ComputeRowCounts(0, 21);  // minimised
    EXPECT_EQ(rows.full, 1u);
    EXPECT_EQ(rows.touched, 1u);
    rows = ComputeRowCounts(10, 21);
    EXPECT_EQ(rows.full, 1u);
    EXPECT_EQ(rows.touched, 1u);
    EXPECT_EQ(ComputeRowCounts(10, 0).full, 10u);
}

TEST(ViewGeometryTest, WidestLineKeepsTheLaterOfEqualLines) {
    CharWidthTable widths = test::UniformWidths(10);
    std::string text = "abcd\r\n\tc\r\nxyzwv\r\nabcde";
    LineTable lines;
    ASSERT_TRUE(BuildLineTable(SystemHeap(), test::Bytes(text), test::Size(text), &lines));
    WidestLine widest = FindWidestLine(lines, test::Bytes(text), widths);
    EXPECT_EQ(widest.width, 50u);  // lines 1 (tab to 40, then "c"), 2 and 3
    EXPECT_EQ(widest.line, 3u);
    // Shown control characters: breaks count as boxes, tabs as boxes.
    widths.ShowControlChars(true);
    widest = FindWidestLine(lines, test::Bytes(text), widths);
    EXPECT_EQ(widest.width, 50u + widths.LineBreakBoxWidth());
    EXPECT_EQ(widest.line, 2u);
    SystemHeap().Free(lines.handle);

    ColumnRange range = ColumnRangeFor(50, 7);
    EXPECT_EQ(range.total, 8u);
    EXPECT_EQ(range.last, 7u);
    EXPECT_EQ(ColumnRangeFor(0, 7).last, 0u);
}

// Every line measured character by character, the widest kept as the rule
// says (a lower line only when strictly wider): the answer of the counted
// widths of fixed-pitch fonts and of the measured ones alike.
TEST(ViewGeometryTest, WidestLineAgreesWithMeasuringEveryCharacter) {
    std::mt19937 rng(21);
    for (int round = 0; round < 300; ++round) {
        CharWidthTable widths = round % 2 == 0 ? test::UniformWidths(1 + rng() % 12) : test::RandomWidths(rng);
        widths.ShowControlChars(rng() % 3 == 0);
        std::string text = test::RandomText(rng, rng() % 400);
        if (rng() % 2 == 0) text = std::string(rng() % 90, 'a') + "\r\n" + text;  // long runs without a control byte
        LineTable lines;
        ASSERT_TRUE(BuildLineTable(SystemHeap(), test::Bytes(text), test::Size(text), &lines));
        std::uint32_t first = rng() % lines.count, last = first + rng() % (lines.count - first);
        WidestLine expected{0, last};
        for (std::uint32_t line = last + 1; line-- > first;) {
            std::uint32_t length = lines.LineTextLength(line, widths.ControlCharsShown());
            auto width = static_cast<std::uint64_t>(widths.RunEnd(test::Bytes(text) + lines.Start(line), length, 0, 0));
            if (width > expected.width) expected = WidestLine{width, line};
        }
        WidestLine widest = FindWidestLine(lines, test::Bytes(text), widths, first, last);
        EXPECT_EQ(widest.width, expected.width) << "round " << round;
        EXPECT_EQ(widest.line, expected.line) << "round " << round;
        SystemHeap().Free(lines.handle);
    }
}

}  // namespace
}  // namespace velmo
