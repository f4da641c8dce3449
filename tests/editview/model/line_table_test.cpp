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

TEST_F(LineTableTest, TrickyTexts) {
    const std::string texts[] = {
        "",
        "abc",
        "\r\n",
        "a\r\n",
        "a\r\nb",
        "\r\n\r\n",
        std::string("a\rb\nc"),  // lone CR and lone LF are ordinary bytes
        "\r\r\n\n",
        "\n\r",
        std::string("x\0y\r\n\0", 6),
        std::string("\r\n\0\r\n", 5),
    };
    for (const auto& text : texts) {
        Build(text);
        ExpectMatchesReference(text);
    }
    Build(std::string("a\rb\nc"));
    EXPECT_EQ(table.count, 1u);
    EXPECT_EQ(table.LineSize(0), 5u);
    Build("ab\r\n");
    EXPECT_EQ(table.Start(1), 4u);  // the empty last line starts at the length
    EXPECT_EQ(table.LineFromOffset(4), 1u);
}

TEST_F(LineTableTest, SizesAndShownLengths) {
    Build("ab\r\ncde\r\n");
    EXPECT_EQ(table.LineSize(0), 4u);
    EXPECT_EQ(table.LineSize(1), 5u);
    EXPECT_EQ(table.LineSize(2), 0u);
    EXPECT_EQ(table.LineSize(3), 0u);
    EXPECT_EQ(table.LineTextLength(0, false), 2u);
    EXPECT_EQ(table.LineTextLength(0, true), 4u);
    EXPECT_EQ(table.LineTextLength(2, false), 0u);
    EXPECT_EQ(table.LineTextLength(9, true), 0u);
}

TEST_F(LineTableTest, RandomTextsMatchReference) {
    std::mt19937 rng(1234);
    const char alphabet[] = {'a', '\r', '\n', '\0', 'b', '\r', '\n'};
    for (int round = 0; round < 200; ++round) {
        std::string text(rng() % 300, 'a');
        for (char& c : text) c = alphabet[rng() % sizeof alphabet];
        Build(text);
        ExpectMatchesReference(text);
        auto starts = ReferenceStarts(text);
        for (std::uint32_t offset = 0; offset <= text.size() + 2; ++offset) {
            ASSERT_EQ(table.LineFromOffset(offset), ReferenceLineFromOffset(starts, offset)) << offset;
        }
    }
}

TEST_F(LineTableTest, OneMegabyteOfRandomBytes) {
    std::mt19937 rng(99);
    std::string text(1 << 20, '\0');
    for (char& c : text) {
        unsigned r = rng() % 16;
        c = r == 0 ? '\r' : r == 1 ? '\n' : static_cast<char>(rng());
    }
    Build(text);
    ExpectMatchesReference(text);
    auto starts = ReferenceStarts(text);
    for (int i = 0; i < 2000; ++i) {
        std::uint32_t offset = rng() % (text.size() + 1);
        ASSERT_EQ(table.LineFromOffset(offset), ReferenceLineFromOffset(starts, offset));
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
