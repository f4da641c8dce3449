#pragma once
// Shared by the word-wrap tests: width tables, random texts, row tables
// worked out the slow, literal way, and a store's layout checked against them.
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "../model/recording_events.h"
#include "editview/model/row_table.h"
#include "editview/view/char_width_table.h"

namespace velmo::test {

inline const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }
inline std::uint32_t Size(const std::string& s) { return static_cast<std::uint32_t>(s.size()); }

// Every character `plain` pixels wide, "x" included, with `wide` for 'W'.
inline CharWidthTable UniformWidths(std::uint32_t plain, std::uint32_t wide = 0) {
    std::uint32_t font[256];
    for (std::uint32_t& w : font) w = plain;
    if (wide != 0) font['W'] = wide;
    CharWidthTable widths;
    widths.SetFontWidths(font);
    return widths;
}

// Widths from 0 to 12 with a few very wide characters; "x" is 5 to 9.
inline CharWidthTable RandomWidths(std::mt19937& rng) {
    std::uint32_t font[256];
    for (std::uint32_t& w : font) w = rng() % 13;
    font['x'] = 5 + rng() % 5;
    font['W'] = 40 + rng() % 30;
    CharWidthTable widths;
    widths.SetFontWidths(font);
    return widths;
}

// Texts rich in the bytes that matter to row breaking: breaks, lone CR and
// LF, tabs, spaces, NUL, DEL, wide characters.
inline std::string RandomText(std::mt19937& rng, std::size_t length) {
    static const char kAlphabet[] = "aaaaabbbxxx     \t\t\r\r\n\nWW\x7f\xe9";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        std::uint32_t pick = rng() % (sizeof kAlphabet);  // the terminator slot gives NUL
        text += rng() % 8 == 0 ? std::string("\r\n") : std::string(1, kAlphabet[pick]);
    }
    return text;
}

// The rows built byte by byte exactly as the rules are written: one state
// machine over the whole text, with the closing entry at the end.
inline std::vector<RowEntry> ReferenceRows(const std::string& t, const CharWidthTable& w, std::uint32_t wrap) {
    const std::uint32_t length = Size(t);
    const std::int64_t tab = w.TabWidth();
    const bool shown = w.ControlCharsShown();
    std::vector<RowEntry> rows{{0, 0}};
    std::uint32_t off = 0, line = 0, placed = 0;
    std::int64_t x = 0;
    bool openedByWrap = false;
    auto newRow = [&](std::uint32_t start, bool byWrap) {
        rows.push_back({start, line});
        x = 0;
        placed = 0;
        openedByWrap = byWrap;
    };
    while (off < length) {
        auto c = static_cast<std::uint8_t>(t[off]);
        bool pair = off + 1 < length && c == '\r' && t[off + 1] == '\n';
        if (pair && !shown) {
            ++line;
            if (openedByWrap && placed == 0) rows.pop_back();
            newRow(off + 2, false);
            off += 2;
            continue;
        }
        if (pair) {
            x += w.Width('\r') + w.Width('\n');
            if (x <= wrap || placed == 0) {
                ++line;
                newRow(off + 2, false);
                off += 2;
            } else {
                newRow(off, true);  // the pair is met again on the new row
            }
            continue;
        }
        x = (c == '\t' && !shown) ? (x / tab) * tab + tab : x + w.Width(c);
        if (x <= wrap) {
            ++off;
            ++placed;
            continue;
        }
        if (placed == 0) {
            ++off;
            if (off == length) break;
            newRow(off, true);
            continue;
        }
        newRow(off, true);  // the character is measured again there
    }
    rows.push_back({length, line + 1});
    return rows;
}

inline std::vector<RowEntry> TableEntries(const RowTable& table) {
    return std::vector<RowEntry>(table.entries, table.entries + table.count + 1);
}

// The layout in force against `text`. Wrap off: the line table against a
// rebuild. Wrap on: the rows against the literal rules for the measurements
// they were broken with, and their bookkeeping.
inline void CheckLayout(testing::Mismatch& check, const TextStore& store, const std::string& text) {
    if (!store.WordWrap()) return testing::CheckLineTable(check, store.Lines(), text);
    const RowTable& rows = store.Rows();
    WrapRules rules = store.Rules();
    check.Same(TableEntries(rows), ReferenceRows(text, *rules.widths, rules.wrapWidth), "rows");
    check.Same(rows.last + 1, rows.count, "row count");
    check.Same(rows.blockSize - rows.free, 8 * (rows.count + 1), "used row bytes");
}

}  // namespace velmo::test

namespace velmo {
inline bool operator==(const RowEntry& a, const RowEntry& b) { return a.start == b.start && a.line == b.line; }
inline std::ostream& operator<<(std::ostream& out, const RowEntry& e) {
    return out << "(" << e.start << ", " << e.line << ")";
}
}  // namespace velmo
