#include "printing/pagination.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velmo {

void PrintTo(const PrintLine& line, std::ostream* out) {
    *out << "{" << line.start << ", " << line.drawEnd << ", " << line.next << "}";
}

namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }
std::uint32_t Size(const std::string& s) { return static_cast<std::uint32_t>(s.size()); }

// Every character 10 pixels wide but "W" (25); tab stops every 40 pixels.
struct Widths {
    Widths() {
        for (auto& w : table) w = 10;
        table['W'] = 25;
    }
    std::uint32_t table[256];
};

LineFrame Frame(const Widths& widths, std::int64_t width) { return LineFrame{widths.table, 40, width}; }

struct LineCase {
    const char* name;
    std::string text;
    std::int64_t width;
    PrintLine expected;  // the first line
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class LineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTest, FirstLine) {
    const LineCase& c = GetParam();
    Widths widths;
    EXPECT_EQ(NextPrintLine(Bytes(c.text), Size(c.text), 0, Frame(widths, c.width)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(LineCase{"whole_text_fits", "abc def", 100, {0, 7, 7}},
                      LineCase{"exactly_full", "abcde", 50, {0, 5, 5}},
                      LineCase{"word_that_does_not_fit_moves_down", "abc def", 50, {0, 4, 4}},
                      LineCase{"break_before_a_word_that_starts_at_the_edge", "a b cd", 40, {0, 4, 4}},
                      LineCase{"blank_at_the_wrap_is_passed_over", "abcde fgh", 50, {0, 5, 6}},
                      LineCase{"blanks_and_break_at_the_wrap", "abcde  \t \r\nx", 50, {0, 5, 11}},
                      LineCase{"long_word_is_cut", "abcdefgh ij", 50, {0, 5, 5}},
                      LineCase{"leading_blanks_stay_with_their_line", "  abcdefgh", 50, {0, 2, 2}},
                      LineCase{"cr_lf", "ab\r\ncd", 100, {0, 2, 4}},
                      LineCase{"lone_cr", "ab\rcd", 100, {0, 2, 3}},
                      LineCase{"lone_lf", "ab\ncd", 100, {0, 2, 3}},
                      LineCase{"lf_cr_is_one_break", "ab\n\rcd", 100, {0, 2, 4}},
                      LineCase{"cr_cr_is_two_breaks", "ab\r\rcd", 100, {0, 2, 3}},
                      LineCase{"empty_line", "\r\nab", 100, {0, 0, 2}},
                      LineCase{"tab_to_the_next_stop", "a\tb", 50, {0, 3, 3}},
                      LineCase{"word_after_a_tab_moves_down", "a\tb", 45, {0, 2, 2}},
                      LineCase{"tab_past_the_edge_is_passed_over", "abcd\tef", 45, {0, 4, 5}},
                      LineCase{"nul_is_an_ordinary_character", std::string("a\0b c", 5), 30, {0, 3, 4}},
                      LineCase{"wide_character", "aW b", 40, {0, 2, 3}},
                      LineCase{"nothing_fits", "Wab", 20, {0, 0, 0}},
                      LineCase{"blank_wider_than_the_line", "\tab", 20, {0, 0, 1}}),
    [](const auto& info) { return info.param.name; });

// A plain measure of text[from, to) on one line.
std::int64_t LaidWidth(const std::string& text, std::uint32_t from, std::uint32_t to, const LineFrame& frame) {
    std::int64_t x = 0;
    for (std::uint32_t i = from; i < to; ++i) {
        auto c = static_cast<std::uint8_t>(text[i]);
        x = c == '\t' ? (x / frame.tabWidth + 1) * frame.tabWidth : x + frame.widths[c];
    }
    return x;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }
bool Break(char c) { return c == '\r' || c == '\n'; }

// The gap between a line's drawn part and the next line: blanks, then at
// most one line break of one character or a pair of different ones, and
// only blanks at a wrap.
void ExpectGap(const std::string& text, const PrintLine& line, bool breakOnly) {
    std::uint32_t i = line.drawEnd;
    if (!breakOnly) {
        while (i < line.next && Blank(text[i])) ++i;
    }
    if (i < line.next) {
        ASSERT_TRUE(Break(text[i]));
        ++i;
        if (i < line.next) {
            EXPECT_TRUE(Break(text[i]) && text[i] != text[i - 1]);
            ++i;
        }
    }
    EXPECT_EQ(i, line.next);
}

TEST(PaginationTest, RandomTextsAreTiledByFittingLines) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', 'W', ' ', ' ', '\t', '\r', '\n', '\0', '&'};
    Widths widths;
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 60, 'a');
        for (char& c : text) c = alphabet[random() % sizeof alphabet];
        LineFrame frame = Frame(widths, static_cast<std::int64_t>(random() % 120));
        std::uint32_t start = 0;
        while (start < text.size()) {
            PrintLine line = NextPrintLine(Bytes(text), Size(text), start, frame);
            SCOPED_TRACE(testing::Message() << "round " << round << " line at " << start << " width " << frame.width);
            ASSERT_EQ(line.start, start);
            ASSERT_LE(line.drawEnd, line.next);
            if (line.next == start) {
                // Only a character too wide for an empty line takes nothing.
                ASSERT_GT(LaidWidth(text, start, start + 1, frame), frame.width);
                ASSERT_FALSE(Break(text[start]) || Blank(text[start]));
                break;
            }
            for (std::uint32_t i = start; i < line.drawEnd; ++i) ASSERT_FALSE(Break(text[i]));
            EXPECT_LE(LaidWidth(text, start, line.drawEnd, frame), frame.width);
            bool brokeAtBreak = line.drawEnd < text.size() && Break(text[line.drawEnd]);
            ExpectGap(text, line, brokeAtBreak);
            if (line.drawEnd == line.next && line.next < text.size()) {
                // Wrapped before a character: the word it belongs to did not fit,
                // and a word is cut only when it fills the line alone.
                std::uint32_t wordEnd = line.next;
                while (wordEnd < text.size() && !Blank(text[wordEnd]) && !Break(text[wordEnd])) ++wordEnd;
                EXPECT_GT(LaidWidth(text, start, wordEnd, frame), frame.width);
                if (!Blank(text[line.next - 1])) {
                    for (std::uint32_t i = start; i < line.next; ++i) EXPECT_FALSE(Blank(text[i]));
                }
            }
            start = line.next;
        }
    }
}

TEST(PaginationTest, RunsStartAtTheirTabStopsAndStepOverNuls) {
    Widths widths;
    LineFrame frame = Frame(widths, 1000);
    std::string text("\tab\t\tcd\0fg\th\t\0\0i", 16);
    LineRuns runs(Bytes(text), PrintLine{0, Size(text), Size(text)}, frame);
    std::vector<PrintRun> got;
    for (PrintRun run; runs.Next(&run);) got.push_back(run);
    EXPECT_EQ(got, (std::vector<PrintRun>{{1, 2, 40}, {5, 2, 120}, {8, 2, 150}, {11, 1, 200}, {15, 1, 260}}));
    LineRuns none(Bytes(text), PrintLine{3, 5, 5}, frame);
    PrintRun run;
    EXPECT_FALSE(none.Next(&run));
}

TEST(PaginationTest, RowsPerPageCountsWholeLines) {
    EXPECT_EQ(RowsPerPage(2918, 48), 60u);
    EXPECT_EQ(RowsPerPage(47, 48), 0u);
    EXPECT_EQ(RowsPerPage(-5, 48), 0u);
    EXPECT_EQ(RowsPerPage(100, 0), 0u);
}

// Records what the printer would be told; page `failStart` or `failEnd`
// (counted from 1) fails.
class RecordingSink : public PageSink {
public:
    bool StartPage() override {
        ++started;
        if (started == failStart) return false;
        pages.emplace_back();
        return true;
    }
    void DrawLine(const PrintLine& line, std::uint32_t row) override {
        EXPECT_EQ(row, pages.back().size());
        pages.back().push_back(line);
    }
    bool EndPage() override { return ++ended != failEnd; }

    unsigned started = 0;
    unsigned ended = 0;
    unsigned failStart = 0;
    unsigned failEnd = 0;
    std::vector<std::vector<PrintLine>> pages;
};

TEST(PaginationTest, RandomCopiesTileTheTextPageByPage) {
    std::mt19937 random(11);
    Widths widths;
    for (int round = 0; round < 500; ++round) {
        std::string text(1 + random() % 200, 'a');
        for (char& c : text) c = "ab  \r\n\t"[random() % 7];
        PageFrame frame{Frame(widths, 20 + random() % 100), 1 + static_cast<std::uint32_t>(random() % 6)};
        std::uint32_t copies = random() % 4;
        RecordingSink sink;
        ASSERT_TRUE(PrintCopies(Bytes(text), Size(text), copies, frame, sink));
        // One copy's lines, from a walk of the text without pages.
        std::vector<PrintLine> lines;
        for (std::uint32_t at = 0; at < text.size(); at = lines.back().next) {
            lines.push_back(NextPrintLine(Bytes(text), Size(text), at, frame.line));
        }
        std::size_t perCopy = (lines.size() + frame.rows - 1) / frame.rows;
        ASSERT_EQ(sink.pages.size(), perCopy * std::max<std::uint32_t>(copies, 1)) << "round " << round;
        for (std::size_t p = 0; p < sink.pages.size(); ++p) {
            std::size_t first = (p % perCopy) * frame.rows;
            std::size_t count = std::min<std::size_t>(frame.rows, lines.size() - first);
            EXPECT_EQ(sink.pages[p], std::vector<PrintLine>(lines.begin() + first, lines.begin() + first + count))
                << "round " << round << " page " << p;
        }
    }
}

TEST(PaginationTest, APageThatTakesNothingEndsTheCopy) {
    Widths widths;
    std::string text = "ab\r\nWW\r\ncd";
    RecordingSink sink;
    // "WW" is wider than the line: the copy ends after the first page.
    EXPECT_TRUE(PrintCopies(Bytes(text), Size(text), 2, PageFrame{Frame(widths, 20), 5}, sink));
    std::vector<PrintLine> page = {{0, 2, 4}};
    EXPECT_EQ(sink.pages, (std::vector<std::vector<PrintLine>>{page, page}));

    RecordingSink none;
    EXPECT_TRUE(PrintCopies(Bytes(text), Size(text), 1, PageFrame{Frame(widths, 5), 5}, none));
    EXPECT_TRUE(PrintCopies(Bytes(text), Size(text), 1, PageFrame{Frame(widths, 100), 0}, none));
    EXPECT_EQ(none.started, 0u);
}

TEST(PaginationTest, AFailedPageStopsThePrint) {
    Widths widths;
    std::string text = "a\r\nb\r\nc";
    struct {
        unsigned failStart, failEnd, pagesBegun, pagesEnded;
    } cases[] = {{1, 0, 1, 0}, {2, 0, 2, 1}, {5, 0, 5, 4}, {0, 1, 1, 1}, {0, 4, 4, 4}};
    for (const auto& c : cases) {
        RecordingSink sink;
        sink.failStart = c.failStart;
        sink.failEnd = c.failEnd;
        EXPECT_FALSE(PrintCopies(Bytes(text), Size(text), 2, PageFrame{Frame(widths, 100), 1}, sink));
        EXPECT_EQ(sink.started, c.pagesBegun) << c.failStart << "/" << c.failEnd;
        EXPECT_EQ(sink.ended, c.pagesEnded) << c.failStart << "/" << c.failEnd;
    }
}

}  // namespace
}  // namespace velmo
