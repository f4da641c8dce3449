#include "editview/view/char_width_table.h"

#include <algorithm>
#include <iterator>

namespace velmo {

namespace {

// Each name in a 4-byte slot, zero-padded.
constexpr char kControlCharNames[kControlCharCount][4] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",  "DEL",
};

// Glyphs wider than this do not exist on a screen; the cap keeps every sum
// over a row far from overflowing.
constexpr std::uint32_t kWidestGlyph = 0xFFFF;

std::uint8_t ControlCharOfIndex(std::uint32_t index) {
    return index < 32 ? static_cast<std::uint8_t>(index) : 127;
}

}  // namespace

int ControlCharIndex(std::uint8_t c) {
    if (c < 32) return c;
    return c == 127 ? 32 : -1;
}

const char* ControlCharName(std::uint8_t c) {
    int index = ControlCharIndex(c);
    return index < 0 ? "" : kControlCharNames[index];
}

std::int64_t FloorToMultiple(std::int64_t x, std::int64_t step) {
    std::int64_t q = x / step;
    if (x % step < 0) --q;
    return q * step;
}

CharWidthTable::CharWidthTable() {
    std::fill(std::begin(widths_), std::end(widths_), 0u);
    std::fill(std::begin(savedWidths_), std::end(savedWidths_), 0u);
    std::fill(std::begin(boxWidths_), std::end(boxWidths_), kBoxPadding);
}

void CharWidthTable::SetFontWidths(const std::uint32_t (&fontWidths)[256]) {
    for (int c = 0; c < 256; ++c) widths_[c] = std::min(fontWidths[c], kWidestGlyph);
    columnWidth_ = std::max(widths_['x'], 1u);
    uniform_ = widths_[' '];
    for (int c = 0; c < 256; ++c) {
        if (ControlCharIndex(static_cast<std::uint8_t>(c)) < 0 && widths_[c] != uniform_) uniform_ = 0;
    }
    widths_['\t'] = TabWidth();
    for (std::uint32_t i = 0; i < kControlCharCount; ++i) {
        std::uint32_t width = kBoxPadding;
        for (const char* letter = kControlCharNames[i]; *letter != '\0'; ++letter) {
            width += widths_[static_cast<std::uint8_t>(*letter)];
        }
        boxWidths_[i] = width;
    }
    if (shown_) SwapInBoxes();
}

void CharWidthTable::SwapInBoxes() {
    for (std::uint32_t i = 0; i < kControlCharCount; ++i) {
        std::uint8_t c = ControlCharOfIndex(i);
        savedWidths_[i] = widths_[c];
        widths_[c] = boxWidths_[i];
    }
}

void CharWidthTable::ShowControlChars(bool on) {
    if (on == shown_) return;
    shown_ = on;
    if (on) {
        SwapInBoxes();
        return;
    }
    for (std::uint32_t i = 0; i < kControlCharCount; ++i) widths_[ControlCharOfIndex(i)] = savedWidths_[i];
}

std::uint32_t CharWidthTable::BoxWidth(std::uint8_t c) const {
    int index = ControlCharIndex(c);
    return index < 0 ? 0 : boxWidths_[index];
}

std::uint32_t CharWidthTable::LargestAdvance() const {
    std::uint32_t widest = *std::max_element(std::begin(widths_), std::end(widths_));
    return shown_ ? widest : std::max(widest, TabWidth());
}

std::int64_t CharWidthTable::Advance(std::int64_t x, std::uint8_t c, std::int64_t origin) const {
    if (c != '\t' || shown_) return x + widths_[c];
    std::int64_t tab = TabWidth();
    return FloorToMultiple(x - origin, tab) + tab + origin;
}

std::int64_t CharWidthTable::RunEnd(const std::uint8_t* bytes, std::uint32_t count, std::int64_t x,
                                    std::int64_t origin) const {
    for (std::uint32_t i = 0; i < count; ++i) x = Advance(x, bytes[i], origin);
    return x;
}

}  // namespace velmo
