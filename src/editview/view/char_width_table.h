#pragma once
// Horizontal measurement. Every width the control computes is a sum over this
// table of 256 advance widths, with the tab rule: while control characters are
// hidden a tab jumps to the next stop of a grid of 4 widths of "x"; while they
// are shown every control character, tab and line break included, is a named
// box of fixed width.
#include <cstdint>

namespace velmo {

constexpr std::uint32_t kTabColumns = 4;
constexpr std::uint32_t kControlCharCount = 33;  // characters 0 to 31 and 127
constexpr std::uint32_t kBoxPadding = 5;         // pixels added to a box's name

// 0 to 31 for characters 0 to 31, 32 for 127, -1 for any other character.
int ControlCharIndex(std::uint8_t c);
// The box name of control character `c` ("NUL", "TAB", "DEL", ...); its
// length is 2 or 3. Empty for characters that are not control characters.
const char* ControlCharName(std::uint8_t c);

// x rounded down to a multiple of `step` (also for negative x).
std::int64_t FloorToMultiple(std::int64_t x, std::int64_t step);

class CharWidthTable {
public:
    CharWidthTable();

    // Takes the font's advance widths (control characters as drawn, entry 9
    // ignored) and derives the column width, the tab width and the box
    // widths. While control characters are shown the boxes replace the fresh
    // widths at once, so that hiding them later restores this font's widths.
    void SetFontWidths(const std::uint32_t (&fontWidths)[256]);
    void ShowControlChars(bool on);

    bool ControlCharsShown() const { return shown_; }
    std::uint32_t Width(std::uint8_t c) const { return widths_[c]; }
    // Width of "x", at least 1: the unit of horizontal scrolling.
    std::uint32_t ColumnWidth() const { return columnWidth_; }
    std::uint32_t TabWidth() const { return columnWidth_ * kTabColumns; }
    // Box width of control character `c`: its name's width plus 5; 0 for
    // other characters.
    std::uint32_t BoxWidth(std::uint8_t c) const;
    // The "CR" and "LF" boxes together.
    std::uint32_t LineBreakBoxWidth() const { return BoxWidth('\r') + BoxWidth('\n'); }
    // The largest step a single character can make: the widest entry, or a
    // whole tab width while tabs jump to stops.
    std::uint32_t LargestAdvance() const;
    // The width every character but the control characters has, as in a
    // fixed-pitch font; 0 when they differ.
    std::uint32_t UniformWidth() const { return uniform_; }

    // x after character `c` drawn at x. A tab (control characters hidden)
    // goes to the next stop after x of the grid through `origin`.
    std::int64_t Advance(std::int64_t x, std::uint8_t c, std::int64_t origin) const;
    // x after bytes[0, count) drawn from x.
    std::int64_t RunEnd(const std::uint8_t* bytes, std::uint32_t count, std::int64_t x, std::int64_t origin) const;

private:
    void SwapInBoxes();

    std::uint32_t widths_[256];
    std::uint32_t boxWidths_[kControlCharCount];
    std::uint32_t savedWidths_[kControlCharCount];  // font widths while boxes are in
    std::uint32_t columnWidth_ = 1;
    std::uint32_t uniform_ = 0;
    bool shown_ = false;
};

}  // namespace velmo
