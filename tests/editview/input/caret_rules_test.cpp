#include "editview/input/caret_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace velmo {
namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// Word bytes found the plain way: none up to "/", nor ASCII punctuation, DEL
// and the few signs of code page 1250.
bool IsWord(char byte) {
    static const std::string delimiters(":;<=>?[\\]^`{|}~\x7f\x80\xA1\xA4\xA7\xB0\xB2\xB4\xD7\xF7");
    return static_cast<std::uint8_t>(byte) > 0x2F && delimiters.find(byte) == std::string::npos;
}

bool IsWordStart(const std::string& line, std::uint32_t i) {
    return i < line.size() && IsWord(line[i]) && (i == 0 || !IsWord(line[i - 1]));
}

// Random lines of every byte: Ctrl+Right lands on the first word start after
// the caret (or the end), Ctrl+Left on the last one before it (or the start),
// and a double click takes the word bytes on either side of the point.
// The line lies between word bytes or delimiters that a move must not read.
TEST(CaretRules, RandomLinesMoveBetweenWordStarts) {
    std::mt19937 random(7);
    const std::string alphabet = "ab_@ .;\t";
    for (int round = 0; round < 3000; ++round) {
        std::string line;
        for (int n = random() % 12; n > 0; --n) {
            line += random() % 2 == 0 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        }
        auto size = static_cast<std::uint32_t>(line.size());
        const std::string pad = round % 2 == 0 ? "zz" : "  ";
        const std::string padded = pad + line + pad;
        const std::uint8_t* at = Bytes(padded) + 2;
        for (std::uint32_t p = 0; p <= size; ++p) {
            std::uint32_t next = p + 1;
            while (next < size && !IsWordStart(line, next)) ++next;
            if (p < size) {
                EXPECT_EQ(p + WordRightDistance(at + p, size - p), next) << line << " from " << p;
            }
            std::uint32_t previous = p;
            while (previous > 0 && !IsWordStart(line, --previous)) {}
            if (previous == 1) previous = 0;
            if (p > 0) {
                EXPECT_EQ(p - WordLeftDistance(at + p, p), previous) << line << " from " << p;
            }
            std::uint32_t start = p, end = p;  // the word the point touches; a point past the end is at the end
            while (start > 0 && IsWord(line[start - 1])) --start;
            while (end < size && IsWord(line[end])) ++end;
            WordSpan span = WordAround(at, size, p < size ? p : p + round % 3);
            EXPECT_EQ(std::make_pair(span.start, span.end), std::make_pair(start, end)) << line << " around " << p;
        }
    }
}

// Characters 8 pixels wide, "i" 4; a tab runs to the next stop of 4 columns
// (32 pixels). A point exactly half-way stays before the character.
TEST(CaretRules, GoalColumnIsTheNearestBoundary) {
    std::uint32_t widths[256];
    for (auto& w : widths) w = 8;
    widths['i'] = 4;
    CharWidthTable table;
    table.SetFontWidths(widths);
    const struct {
        const char* row;
        std::int64_t x;
        std::uint32_t column;
    } cases[] = {{"abc", 0, 0},   {"abc", 4, 0},   {"abc", 5, 1},    {"abc", 8, 1},    {"abc", 1000, 3},
                 {"", 50, 0},     {"iii", 6, 1},   {"iii", 7, 2},    {"a\tb", 20, 1},  {"a\tb", 21, 2},
                 {"a\tb", 36, 2}, {"a\tb", 37, 3}};
    for (const auto& c : cases) {
        std::string row = c.row;
        EXPECT_EQ(ColumnNearestX(table, Bytes(row), static_cast<std::uint32_t>(row.size()), c.x), c.column)
            << row << " at " << c.x;
    }
}

// Pages of 10 rows of 100 (unless `last` says less): the caret keeps its
// screen row, or takes the last row past the end; off screen it moves from
// its own page; a view with no whole row counts one.
TEST(CaretRules, PageMovesKeepTheScreenRow) {
    const struct {
        bool down;
        PageFrame frame;
        std::uint32_t first, screenRow;
    } cases[] = {{true, {13, 10, 10, 10, 99}, 20, 3}, {true, {95, 90, 10, 10, 99}, 90, 9},
                 {true, {2, 0, 10, 10, 4}, 0, 4},     {true, {43, 10, 10, 10, 99}, 50, 3},
                 {false, {23, 20, 10, 10, 99}, 10, 3}, {false, {3, 0, 10, 10, 99}, 0, 0},
                 {false, {14, 5, 10, 10, 99}, 0, 9},   {false, {10, 5, 10, 10, 99}, 0, 5},
                 {false, {43, 80, 10, 10, 99}, 30, 3}, {false, {5, 0, 0, 0, 9}, 4, 0}};
    for (const auto& c : cases) {
        PageMove move = c.down ? PageDownMove(c.frame) : PageUpMove(c.frame);
        EXPECT_EQ(move.first, c.first) << (c.down ? "down" : "up") << " from row " << c.frame.caretRow;
        EXPECT_EQ(move.screenRow, c.screenRow) << (c.down ? "down" : "up") << " from row " << c.frame.caretRow;
    }
}

}  // namespace
}  // namespace velmo
