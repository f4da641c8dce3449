#pragma once
// Where word wrap breaks rows. The break is by character: a row takes
// characters while its width stays within the wrap width, and always at least
// one, so a character wider than the whole area stands alone on its row. A
// logical line's CR LF belongs to its last row; while control characters are
// shown the pair is drawn as two boxes and, when those do not fit behind the
// row's characters, moves to a row of its own in the same logical line.
#include <cstdint>

#include "editview/view/char_width_table.h"

namespace velmo {

struct WrapRules {
    const CharWidthTable* widths;
    std::uint32_t wrapWidth;  // the text area width
};

// Plain bytes, as the breaker reads them.
struct ByteText {
    const std::uint8_t* bytes;
    std::uint8_t operator[](std::uint32_t i) const { return bytes[i]; }
};

// Offset of the CR of the first CR LF pair in text[from, end), or end.
template <typename Text>
std::uint32_t FindLineBreak(const Text& text, std::uint32_t from, std::uint32_t end) {
    for (std::uint32_t i = from; i + 1 < end; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') return i;
    }
    return end;
}

// Breaks one logical line, text[start, contentEnd) plus its CR LF when
// `hasBreak`, calling emit(row start, line) for each of its rows.
template <typename Text, typename Emit>
void BreakLogicalLine(const Text& text, std::uint32_t start, std::uint32_t contentEnd, bool hasBreak,
                      std::uint32_t line, const WrapRules& rules, Emit& emit) {
    const CharWidthTable& widths = *rules.widths;
    const std::int64_t wrap = rules.wrapWidth;
    emit(start, line);
    std::int64_t x = 0;
    bool rowEmpty = true;
    for (std::uint32_t i = start; i < contentEnd; ++i) {
        std::int64_t next = widths.Advance(x, text[i], 0);
        if (next > wrap && !rowEmpty) {
            emit(i, line);
            next = widths.Advance(0, text[i], 0);
        }
        x = next;
        rowEmpty = false;
    }
    if (hasBreak && widths.ControlCharsShown() && !rowEmpty &&
        x + widths.Width('\r') + widths.Width('\n') > wrap) {
        emit(contentEnd, line);
    }
}

// Breaks the logical lines of text[begin, end) into rows; `begin` is a line
// start and `end` either a line start or, with `endsText`, the text's end
// (where a final CR LF leaves an empty last line). The first line gets index
// `firstLine`. Returns the number of logical lines broken.
template <typename Text, typename Emit>
std::uint32_t BreakRows(const Text& text, std::uint32_t begin, std::uint32_t end, bool endsText,
                        std::uint32_t firstLine, const WrapRules& rules, Emit&& emit) {
    std::uint32_t line = firstLine;
    std::uint32_t start = begin;
    for (;;) {
        std::uint32_t contentEnd = FindLineBreak(text, start, end);
        bool hasBreak = contentEnd < end;
        BreakLogicalLine(text, start, contentEnd, hasBreak, line, rules, emit);
        ++line;
        if (!hasBreak) break;
        start = contentEnd + 2;
        if (start == end && !endsText) break;
    }
    return line - firstLine;
}

}  // namespace velmo
