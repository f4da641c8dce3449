#include "editview/model/line_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editview/model/line_scan.h"

namespace velmo {
namespace {

// Line starts found the slow, obvious way: scan from 0 and step over the LF of
// every CR LF pair.
std::vector<std::uint32_t> ReferenceStarts(const std::string& text) {
    std::vector<std::uint32_t> starts{0};
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') {
            starts.push_back(static_cast<std::uint32_t>(i + 2));
            ++i;
        }
    }
    return starts;
}

std::uint32_t ReferenceLineFromOffset(const std::vector<std::uint32_t>& starts, std::uint32_t offset) {
    std::uint32_t line = 0;
    for (std::uint32_t i = 0; i < starts.size(); ++i) {
        if (starts[i] <= offset) line = i;
    }
    return line;
}

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

class LineTableTest : public ::testing::Test {
protected:
    void TearDown() override {
        SystemHeap().FailAfter(0);
        SystemHeap().Free(table.handle);
    }
    void Build(const std::string& text) {
        SystemHeap().Free(table.handle);
        table = LineTable{};
        ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), static_cast<std::uint32_t>(text.size()), &table));
    }
    // The table must hold exactly the reference starts, the sentinel and at
    // least 64 KiB of slack.
    void ExpectMatchesReference(const std::string& text) {
        auto starts = ReferenceStarts(text);
        ASSERT_EQ(table.count, starts.size());
        ASSERT_EQ(table.last + 1, table.count);
        ASSERT_EQ(table.logicalCount, table.count);
        for (std::uint32_t i = 0; i < starts.size(); ++i) ASSERT_EQ(table.Start(i), starts[i]) << i;
        EXPECT_EQ(table.Length(), text.size());
        EXPECT_GE(table.free, 65536u);
        EXPECT_EQ(table.blockSize - table.free, 4 * (table.count + 1));
    }
    LineTable table;
};

// Tricky texts, then random ones (the first a megabyte long): every start,
// the slack, every offset's line and every line's shown length as the slow,
// obvious way finds them.
TEST_F(LineTableTest, MatchesTheReferenceOnTrickyAndRandomTexts) {
    std::vector<std::string> texts = {"", "abc", "\r\n", "a\r\nb", "\r\n\r\n", "a\rb\nc", "\r\r\n\n", "\n\r",
                                      std::string("x\0y\r\n\0", 6)};
    std::mt19937 rng(1234);
    const char alphabet[] = {'a', '\r', '\n', '\0', 'b', '\r', '\n'};
    for (int round = 0; round < 200; ++round) {
        std::string text(round == 0 ? 1 << 20 : rng() % 300, 'a');
        for (char& c : text) c = alphabet[rng() % sizeof alphabet];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        Build(text);
        ExpectMatchesReference(text);
        auto starts = ReferenceStarts(text);
        std::uint32_t step = text.size() > 1000 ? 997 : 1;
        for (std::uint32_t offset = 0; offset <= text.size() + 2; offset += step) {
            ASSERT_EQ(table.LineFromOffset(offset), ReferenceLineFromOffset(starts, offset)) << offset;
        }
        for (std::uint32_t line = 0; line <= starts.size(); ++line) {
            bool last = line + 1 >= starts.size();
            std::uint32_t size = line < starts.size() ? (last ? text.size() : starts[line + 1]) - starts[line] : 0;
            ASSERT_EQ(table.LineSize(line), size) << line;
            ASSERT_EQ(table.LineTextLength(line, true), size) << line;
            ASSERT_EQ(table.LineTextLength(line, false), last ? size : size - 2) << line;
        }
    }
}

TEST_F(LineTableTest, FailureLeavesTableUntouched) {
    Build("a\r\nb");
    LineTable before = table;
    SystemHeap().FailAlways(true);
    std::string text = "x\r\ny\r\nz";
    EXPECT_FALSE(BuildLineTable(SystemHeap(), Bytes(text), 7, &table));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(table.handle, before.handle);
    ExpectMatchesReference("a\r\nb");
}

TEST_F(LineTableTest, ReserveGrowsByRequestPlusStepOrFailsCleanly) {
    Build("");
    std::uint32_t size = table.blockSize;
    EXPECT_TRUE(table.Reserve(SystemHeap(), 8));  // enough free: no change
    EXPECT_EQ(table.blockSize, size);
    std::uint32_t free = table.free;
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(table.Reserve(SystemHeap(), free + 4));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(table.blockSize, size);
    EXPECT_TRUE(table.Reserve(SystemHeap(), free + 4));
    EXPECT_EQ(table.blockSize, size + free + 4 + 65536);
    EXPECT_EQ(table.free, free + free + 4 + 65536);
    EXPECT_EQ(table.Start(0), 0u);
}

TEST(LineScanTest, CountsPairsOnly) {
    std::string text = "\r\r\n\n\r\n\n\r";
    EXPECT_EQ(CountLineBreaks(Bytes(text), static_cast<std::uint32_t>(text.size())), 2u);
    std::uint32_t starts[2];
    EXPECT_EQ(ListLineStarts(Bytes(text), static_cast<std::uint32_t>(text.size()), starts), 2u);
    EXPECT_EQ(starts[0], 3u);
    EXPECT_EQ(starts[1], 6u);
    // A list too short takes what fits and still counts them all (the
    // sanitizers see a write past its end).
    auto one = std::make_unique<std::uint32_t[]>(1);
    EXPECT_EQ(ListLineStarts(Bytes(text), static_cast<std::uint32_t>(text.size()), one.get(), 1), 2u);
    EXPECT_EQ(one[0], 3u);
}

}  // namespace
}  // namespace velmo
