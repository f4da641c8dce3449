#include "editview/view/char_width_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace velmo {
namespace {

// A font whose character c is (c % 11) + 3 pixels wide and "x" 7.
void SampleFont(std::uint32_t (&font)[256], std::uint32_t xWidth = 7) {
    for (int c = 0; c < 256; ++c) font[c] = static_cast<std::uint32_t>(c % 11) + 3;
    font['x'] = xWidth;
}

CharWidthTable SampleWidths(std::uint32_t xWidth = 7) {
    std::uint32_t font[256];
    SampleFont(font, xWidth);
    CharWidthTable widths;
    widths.SetFontWidths(font);
    return widths;
}

TEST(CharWidthTableTest, TabJumpsToTheNextStopAfterX) {
    CharWidthTable widths = SampleWidths();  // tab width 28
    ASSERT_EQ(widths.TabWidth(), 28u);
    EXPECT_EQ(widths.Width('\t'), 28u);
    EXPECT_EQ(widths.Advance(0, '\t', 0), 28);
    EXPECT_EQ(widths.Advance(27, '\t', 0), 28);
    EXPECT_EQ(widths.Advance(28, '\t', 0), 56);
    // A grid shifted by a scrolled-out part of the line.
    EXPECT_EQ(widths.Advance(0, '\t', -5), 23);
    EXPECT_EQ(widths.Advance(-3, '\t', -5), 23);
    EXPECT_EQ(widths.Advance(-6, '\t', -5), -5);
    EXPECT_EQ(widths.Advance(10, 'a', 0), 10 + widths.Width('a'));
    const std::uint8_t run[] = {'a', '\t', 'b', '\t'};
    EXPECT_EQ(widths.RunEnd(run, 4, 0, 0), 56);
}

TEST(CharWidthTableTest, ColumnWidthIsAtLeastOnePixel) {
    CharWidthTable widths = SampleWidths(0);
    EXPECT_EQ(widths.ColumnWidth(), 1u);
    EXPECT_EQ(widths.TabWidth(), 4u);
    EXPECT_EQ(widths.Advance(5, '\t', 0), 8);
    CharWidthTable unmeasured;
    EXPECT_EQ(unmeasured.TabWidth(), 4u);
}

TEST(CharWidthTableTest, BoxesAreNamesPlusFivePixels) {
    CharWidthTable widths = SampleWidths();
    EXPECT_STREQ(ControlCharName(0), "NUL");
    EXPECT_STREQ(ControlCharName(9), "TAB");
    EXPECT_STREQ(ControlCharName(13), "CR");
    EXPECT_STREQ(ControlCharName(31), "US");
    EXPECT_STREQ(ControlCharName(127), "DEL");
    EXPECT_STREQ(ControlCharName('a'), "");
    EXPECT_STREQ(ControlCharName(' '), "");  // the first that is not a control character
    EXPECT_EQ(widths.BoxWidth(9), widths.Width('T') + widths.Width('A') + widths.Width('B') + 5);
    EXPECT_EQ(widths.BoxWidth(127), widths.Width('D') + widths.Width('E') + widths.Width('L') + 5);
    EXPECT_EQ(widths.LineBreakBoxWidth(),
              widths.Width('C') + widths.Width('R') + widths.Width('L') + widths.Width('F') + 10);
    EXPECT_EQ(widths.BoxWidth('a'), 0u);
}

TEST(CharWidthTableTest, ShowingAndHidingControlCharactersRestoresTheirWidths) {
    std::uint32_t font[256];
    SampleFont(font);
    CharWidthTable widths;
    widths.SetFontWidths(font);
    CharWidthTable before = widths;
    widths.ShowControlChars(true);
    for (int c : {0, 9, 10, 13, 31, 127}) EXPECT_EQ(widths.Width(c), widths.BoxWidth(c)) << c;
    EXPECT_EQ(widths.Width('a'), before.Width('a'));
    // A shown tab is a box, not a jump.
    EXPECT_EQ(widths.Advance(3, '\t', 0), 3 + widths.BoxWidth('\t'));
    widths.ShowControlChars(true);  // no change when already shown
    widths.ShowControlChars(false);
    for (int c = 0; c < 256; ++c) EXPECT_EQ(widths.Width(c), before.Width(c)) << c;

    // A font change while they are shown: hiding gives the new font's widths.
    widths.ShowControlChars(true);
    for (std::uint32_t& w : font) w += 2;
    widths.SetFontWidths(font);
    EXPECT_EQ(widths.Width(0), widths.BoxWidth(0));
    widths.ShowControlChars(false);
    EXPECT_EQ(widths.Width(0), font[0]);
    EXPECT_EQ(widths.Width('\t'), widths.TabWidth());
}

TEST(CharWidthTableTest, LargestAdvanceCoversTabsOnlyWhileTheyJump) {
    std::uint32_t font[256];
    for (std::uint32_t& w : font) w = 5;
    font['x'] = 9;
    CharWidthTable widths;
    widths.SetFontWidths(font);
    EXPECT_EQ(widths.LargestAdvance(), 36u);
    widths.ShowControlChars(true);
    EXPECT_EQ(widths.LargestAdvance(), 20u);  // three letters + 5
}

}  // namespace
}  // namespace velmo
