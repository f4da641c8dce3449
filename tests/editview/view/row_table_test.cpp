#include "editview/model/row_table.h"

#include <gtest/gtest.h>

#include "editview/view/row_table_builder.h"
#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::Size;

// The lookups as scans from the top of the table, the slow and obvious way.
struct LinearRows {
    std::vector<RowEntry> rows;  // closing entry included
    std::string text;

    std::uint32_t Last() const { return static_cast<std::uint32_t>(rows.size()) - 2; }
    std::uint32_t RowFromOffset(std::uint32_t offset) const {
        std::uint32_t row = 0;
        for (std::uint32_t i = 0; i <= Last(); ++i) {
            if (rows[i].start <= offset) row = i;
        }
        return row;
    }
    std::uint32_t LineStart(std::uint32_t line) const {
        for (std::uint32_t i = 0; i <= Last(); ++i) {
            if (rows[i].line == line) return rows[i].start;
        }
        return kNoRowStart;
    }
    ByteSpan LineSpanOfRow(std::uint32_t row) const {
        std::uint32_t first = row, end = row + 1;
        while (first > 0 && rows[first - 1].line == rows[row].line) --first;
        while (end <= Last() && rows[end].line == rows[row].line) ++end;
        return ByteSpan{rows[first].start, rows[end].start};
    }
    std::uint32_t RowTextLength(std::uint32_t row, bool shown) const {
        if (row > Last()) return 0;
        std::uint32_t start = rows[row].start, size = rows[row + 1].start - start;
        bool endsWithBreak = size >= 2 && text[start + size - 2] == '\r' && text[start + size - 1] == '\n';
        return (row != Last() && endsWithBreak && !shown) ? size - 2 : size;
    }
};

class RowTableTest : public ::testing::Test {
protected:
    void TearDown() override {
        SystemHeap().FailAlways(false);
        SystemHeap().Free(table.handle);
    }
    RowTable table;
};

TEST_F(RowTableTest, EmptyTableIsOneEmptyRow) {
    ASSERT_TRUE(AllocateEmptyRowTable(SystemHeap(), 65536, &table));
    EXPECT_EQ(table.count, 1u);
    EXPECT_EQ(table.free, 65520u);
    EXPECT_EQ(table.LineStart(0), 0u);
    EXPECT_EQ(table.LineStart(1), kNoRowStart);
    EXPECT_EQ(table.RowFromOffset(5), 0u);
    EXPECT_EQ(table.LineSize(0), 0u);
    EXPECT_EQ(table.RowTextLength(1, false), 0u);
}

TEST_F(RowTableTest, LookupsMatchLinearScansOnRandomTexts) {
    std::mt19937 rng(61);
    for (int round = 0; round < 150; ++round) {
        CharWidthTable widths = test::RandomWidths(rng);
        LinearRows linear;
        linear.text = test::RandomText(rng, rng() % 250);
        std::uint32_t wrap = rng() % 90;
        SystemHeap().Free(table.handle);
        ASSERT_TRUE(BuildRowTable(SystemHeap(), Bytes(linear.text), Size(linear.text), WrapRules{&widths, wrap}, &table));
        linear.rows = test::TableEntries(table);
        for (std::uint32_t p = 0; p <= table.Length() + 2; ++p) {
            ASSERT_EQ(table.RowFromOffset(p), linear.RowFromOffset(p)) << p;
            ASSERT_EQ(table.LineFromOffset(p), linear.rows[linear.RowFromOffset(p)].line);
        }
        for (std::uint32_t n = 0; n <= table.logicalCount + 1; ++n) {
            ASSERT_EQ(table.LineStart(n), linear.LineStart(n)) << n;
            std::uint32_t next = n + 1 < table.logicalCount ? linear.LineStart(n + 1) : table.Length();
            ASSERT_EQ(table.LineSize(n), n < table.logicalCount ? next - linear.LineStart(n) : 0u);
        }
        for (std::uint32_t r = 0; r <= table.count; ++r) {
            if (r < table.count) {
                ByteSpan span = table.LineSpanOfRow(r), expected = linear.LineSpanOfRow(r);
                ASSERT_EQ(span.start, expected.start);
                ASSERT_EQ(span.end, expected.end);
            }
            ASSERT_EQ(table.RowTextLength(r, false), linear.RowTextLength(r, false)) << r;
            ASSERT_EQ(table.RowTextLength(r, true), linear.RowTextLength(r, true));
        }
    }
}

TEST_F(RowTableTest, ReserveGrowsByTheRequestPlus64KiBOrRefuses) {
    ASSERT_TRUE(AllocateEmptyRowTable(SystemHeap(), 32, &table));
    EXPECT_TRUE(table.Reserve(SystemHeap(), 16));
    EXPECT_EQ(table.blockSize, 32u);
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(table.Reserve(SystemHeap(), 100));
    EXPECT_EQ(table.blockSize, 32u);
    EXPECT_EQ(table.free, 16u);
    SystemHeap().FailAlways(false);
    ASSERT_TRUE(table.Reserve(SystemHeap(), 100));
    EXPECT_EQ(table.blockSize, 32u + 100 + 65536);
    EXPECT_EQ(table.free, 16u + 100 + 65536);
    EXPECT_EQ(table.LineStart(0), 0u);
}

}  // namespace
}  // namespace velmo
