#include "editview/input/caret_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editview/model/word_chars.h"

namespace velmo {
namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

std::uint32_t Right(const std::string& line, std::uint32_t from) {
    return from + WordRightDistance(Bytes(line) + from, static_cast<std::uint32_t>(line.size()) - from);
}

std::uint32_t Left(const std::string& line, std::uint32_t from) {
    return from - WordLeftDistance(Bytes(line) + from, from);
}

bool IsWordStart(const std::string& line, std::uint32_t i) {
    auto byte = [&](std::uint32_t k) { return static_cast<std::uint8_t>(line[k]); };
    return i < line.size() && IsWordByte(byte(i)) && (i == 0 || !IsWordByte(byte(i - 1)));
}

// The range may start inside a longer text: nothing outside it is read.
TEST(CaretRules, WordMovesStayInsideTheirRange) {
    std::string text = "abc def";
    EXPECT_EQ(WordLeftDistance(Bytes(text) + 6, 2), 2u);
    EXPECT_EQ(WordRightDistance(Bytes(text), 3), 3u);
}

// Random lines: Ctrl+Right lands on the first word start after the caret (or
// the end), Ctrl+Left on the last one before it (or the start).
TEST(CaretRules, RandomLinesMoveBetweenWordStarts) {
    std::mt19937 random(7);
    const std::string alphabet = "ab_@ .;\t\xE9\x80\xA7";
    for (int round = 0; round < 2000; ++round) {
        std::string line;
        for (int n = random() % 12; n > 0; --n) line += alphabet[random() % alphabet.size()];
        auto size = static_cast<std::uint32_t>(line.size());
        for (std::uint32_t p = 0; p <= size; ++p) {
            std::uint32_t next = p + 1;
            while (next < size && !IsWordStart(line, next)) ++next;
            if (p < size) {
                EXPECT_EQ(Right(line, p), std::min(next, size)) << line << " from " << p;
            }
            std::uint32_t previous = p;
            while (previous > 0 && !IsWordStart(line, --previous)) {}
            if (previous == 1) previous = 0;
            if (p > 0) {
                EXPECT_EQ(Left(line, p), previous) << line << " from " << p;
            }
        }
    }
}

TEST(CaretRules, WordAroundAPoint) {
    std::string line = "x = a_b@c; y";
    auto around = [&](std::uint32_t column) {
        WordSpan span = WordAround(Bytes(line), static_cast<std::uint32_t>(line.size()), column);
        return line.substr(span.start, span.end - span.start);
    };
    EXPECT_EQ(around(5), "a_b@c");
    EXPECT_EQ(around(9), "a_b@c");  // on the delimiter after the word
    EXPECT_EQ(around(10), "");      // between two delimiters
    EXPECT_EQ(around(12), "y");
    EXPECT_EQ(around(99), "y");
}

class GoalColumn : public ::testing::Test {
protected:
    void SetUp() override {
        std::uint32_t widths[256];
        for (auto& w : widths) w = 8;
        widths['i'] = 4;
        table.SetFontWidths(widths);
    }
    std::uint32_t At(const std::string& row, std::int64_t x) {
        return ColumnNearestX(table, Bytes(row), static_cast<std::uint32_t>(row.size()), x);
    }
    CharWidthTable table;
};

TEST_F(GoalColumn, NearestBoundaryByHalfCharacters) {
    EXPECT_EQ(At("abc", 0), 0u);
    EXPECT_EQ(At("abc", 4), 0u);   // exactly half: stays before
    EXPECT_EQ(At("abc", 5), 1u);
    EXPECT_EQ(At("abc", 8), 1u);
    EXPECT_EQ(At("abc", 1000), 3u);
    EXPECT_EQ(At("", 50), 0u);
    EXPECT_EQ(At("iii", 6), 1u);
    EXPECT_EQ(At("iii", 7), 2u);
    // A tab runs to the next stop of 4 columns (32 pixels).
    EXPECT_EQ(At("a\tb", 20), 1u);
    EXPECT_EQ(At("a\tb", 21), 2u);
    EXPECT_EQ(At("a\tb", 36), 2u);
    EXPECT_EQ(At("a\tb", 37), 3u);
}

PageFrame Frame(std::uint32_t caret, std::uint32_t first, std::uint32_t last = 99) {
    return PageFrame{caret, first, 10, 10, last};
}

TEST(CaretRules, PageDownKeepsTheScreenRow) {
    PageMove move = PageDownMove(Frame(13, 10));
    EXPECT_EQ(move.first, 20u);
    EXPECT_EQ(move.screenRow, 3u);
    move = PageDownMove(Frame(95, 90));  // past the end: the last row
    EXPECT_EQ(move.first, 90u);
    EXPECT_EQ(move.screenRow, 9u);
    move = PageDownMove(Frame(2, 0, 4));  // shorter than a page
    EXPECT_EQ(move.first, 0u);
    EXPECT_EQ(move.screenRow, 4u);
    move = PageDownMove(Frame(43, 10));  // off screen: from its page
    EXPECT_EQ(move.first, 50u);
    EXPECT_EQ(move.screenRow, 3u);
}

TEST(CaretRules, PageUpKeepsTheScreenRow) {
    PageMove move = PageUpMove(Frame(23, 20));
    EXPECT_EQ(move.first, 10u);
    EXPECT_EQ(move.screenRow, 3u);
    move = PageUpMove(Frame(3, 0));
    EXPECT_EQ(move.first, 0u);
    EXPECT_EQ(move.screenRow, 0u);
    move = PageUpMove(Frame(14, 5));
    EXPECT_EQ(move.first, 0u);
    EXPECT_EQ(move.screenRow, 9u);
    move = PageUpMove(Frame(43, 80));
    EXPECT_EQ(move.first, 30u);
    EXPECT_EQ(move.screenRow, 3u);
    move = PageUpMove(PageFrame{5, 0, 0, 0, 9});  // a view with no whole row counts one
    EXPECT_EQ(move.first, 4u);
    EXPECT_EQ(move.screenRow, 0u);
}

}  // namespace
}  // namespace velmo
