#include "printing/pagination.h"
#include "printing/print_geometry.h"

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

// Records what the printer would be told; page `failStart` or `failEnd`
// (counted from 1) fails.
struct RecordingSink : PageSink {
    bool StartPage() override {
        if (++started == failStart) return false;
        pages.emplace_back();
        return true;
    }
    void DrawLine(const PrintLine& line, std::uint32_t row) override {
        EXPECT_EQ(row, pages.back().size());
        pages.back().push_back(line);
    }
    bool EndPage() override { return ++ended != failEnd; }

    unsigned started = 0, ended = 0, failStart = 0, failEnd = 0;
    std::vector<std::vector<PrintLine>> pages;
};

// Random texts are tiled by lines that fit, and each copy prints those lines
// page by page up to a line that takes nothing (a character wider than the
// line), which ends the copy; a page that cannot be started or ended stops
// the print.
TEST(PaginationTest, RandomTextsAreTiledByFittingLinesAndPrintedPageByPage) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', 'W', ' ', ' ', '\t', '\r', '\n', '\0', '&'};
    Widths widths;
    for (unsigned round = 0; round < 3000; ++round) {
        std::string text(random() % 120, 'a');
        for (char& c : text) c = alphabet[random() % sizeof alphabet];
        auto width = static_cast<std::int64_t>(random() % 120);
        PageFrame frame{Frame(widths, width), static_cast<std::uint32_t>(random() % 6)};
        std::vector<PrintLine> lines;
        for (std::uint32_t start = 0; start < text.size(); start = lines.back().next) {
            PrintLine line = NextPrintLine(Bytes(text), Size(text), start, frame.line);
            SCOPED_TRACE(testing::Message() << "round " << round << " line at " << start << " width "
                                            << frame.line.width);
            ASSERT_EQ(line.start, start);
            ASSERT_LE(line.drawEnd, line.next);
            if (line.next == start) {
                // Only a character too wide for an empty line takes nothing.
                ASSERT_GT(LaidWidth(text, start, start + 1, frame.line), frame.line.width);
                ASSERT_FALSE(Break(text[start]) || Blank(text[start]));
                break;
            }
            for (std::uint32_t i = start; i < line.drawEnd; ++i) ASSERT_FALSE(Break(text[i]));
            EXPECT_LE(LaidWidth(text, start, line.drawEnd, frame.line), frame.line.width);
            // The gap to the next line: at a wrap blanks, then at most one line
            // break of one character or a pair of different ones.
            std::string gap = text.substr(line.drawEnd, line.next - line.drawEnd);
            bool brokeAtBreak = line.drawEnd < text.size() && Break(text[line.drawEnd]);
            gap.erase(0, brokeAtBreak ? 0 : std::min(gap.find_first_not_of(" \t"), gap.size()));
            EXPECT_TRUE(gap.empty() || gap == "\r" || gap == "\n" || gap == "\r\n" || gap == "\n\r") << gap;
            // A break right after the gap would have belonged to it, unless it starts a line of its own.
            if (line.next < text.size() && Break(text[line.next])) {
                EXPECT_TRUE(gap.size() == 2 || (gap.size() == 1 && text[line.next] == gap[0])) << gap;
            }
            if (line.drawEnd == line.next && line.next < text.size()) {
                // Wrapped before a character: the word it belongs to did not fit,
                // and a word is cut only when it fills the line alone.
                std::uint32_t wordEnd = line.next;
                while (wordEnd < text.size() && !Blank(text[wordEnd]) && !Break(text[wordEnd])) ++wordEnd;
                EXPECT_GT(LaidWidth(text, start, wordEnd, frame.line), frame.line.width);
                if (!Blank(text[line.next - 1])) {
                    for (std::uint32_t i = start; i < line.next; ++i) EXPECT_FALSE(Blank(text[i]));
                    EXPECT_GT(LaidWidth(text, start, line.next + 1, frame.line), frame.line.width);  // cut full
                }
            }
            lines.push_back(line);
        }
        std::uint32_t copies = random() % 4;
        std::size_t perCopy = frame.rows == 0 ? 0 : (lines.size() + frame.rows - 1) / frame.rows;
        std::size_t pages = perCopy * std::max<std::uint32_t>(copies, 1);
        RecordingSink sink;
        unsigned fail = 1 + random() % (pages + 2);
        (round % 3 == 1 ? sink.failStart : round % 3 == 2 ? sink.failEnd : fail) = fail;
        bool failed = sink.failStart + sink.failEnd != 0 && fail <= pages;
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(PrintCopies(Bytes(text), Size(text), copies, frame, sink), !failed);
        ASSERT_EQ(sink.started, failed ? fail : pages);
        ASSERT_EQ(sink.ended, !failed ? pages : sink.failStart != 0 ? fail - 1 : fail);
        for (std::size_t p = 0; p < sink.pages.size(); ++p) {
            std::size_t first = (p % perCopy) * frame.rows;
            std::size_t count = std::min<std::size_t>(frame.rows, lines.size() - first);
            ASSERT_EQ(sink.pages[p], std::vector<PrintLine>(lines.begin() + first, lines.begin() + first + count))
                << "page " << p;
        }
    }
    EXPECT_EQ(RowsPerPage(2918, 48), 60u);
    EXPECT_EQ(RowsPerPage(47, 48), 0u);
    EXPECT_EQ(RowsPerPage(-5, 48), 0u);
    EXPECT_EQ(RowsPerPage(100, 0), 0u);
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

TEST(PrintGeometryTest, TextRectangleScalesMarginsToThePage) {
    const struct {
        const char* name;
        PageRect margins;
        PageSize paper, page, offset;
        PageRect expected;
    } cases[] = {
        // A4 in hundredths of a millimetre on a 300 dpi printer: 20 mm = 236 px.
        {"a4_300dpi", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 3508}, {0, 0}, {236, 295, 2243, 3213}},
        {"letter_600dpi", {1000, 1000, 500, 750}, {8500, 11000}, {5100, 6600}, {0, 0}, {600, 600, 4800, 6150}},
        {"printable_area_offset", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 3508}, {50, 60},
         {186, 235, 2193, 3153}},
        {"no_margins", {0, 0, 0, 0}, {21000, 29700}, {2479, 3508}, {0, 0}, {0, 0, 2479, 3508}},
        {"margins_wider_than_paper", {15000, 0, 15000, 0}, {21000, 29700}, {2100, 2970}, {0, 0},
         {1500, 0, 600, 2970}},
        {"huge_values_do_not_overflow", {2000000000, 0, 0, 0}, {1, 1}, {2000000000, 2}, {0, 0},
         {2147483647, 0, 2000000000, 2}},
        // No paper or no page in either direction: no text rectangle.
        {"zero_paper_width", {2000, 2500, 2000, 2500}, {0, 29700}, {2479, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_paper_height", {2000, 2500, 2000, 2500}, {21000, 0}, {2479, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_page_width", {2000, 2500, 2000, 2500}, {21000, 29700}, {0, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_page_height", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 0}, {0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        PageRect r = TextRectangle(c.margins, c.paper, c.page, c.offset);
        EXPECT_EQ(r, c.expected) << c.name << ": " << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
    }
}

// Tenths of a point at the printer's resolution, cut toward zero.
TEST(PrintGeometryTest, FontHeightTruncatesTowardZero) {
    const std::int32_t cases[][3] = {{100, 300, -41}, {120, 300, -50}, {95, 96, -12}, {100, 720, -100},
                                     {7, 100, 0}, {2000000000, 2000000000, INT32_MIN}};
    for (const auto& [tenths, dpi, expected] : cases) EXPECT_EQ(PrintFontHeight(tenths, dpi), expected) << tenths;
}

}  // namespace
}  // namespace velmo
