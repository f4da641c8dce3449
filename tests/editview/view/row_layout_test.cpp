#include "editview/view/row_layout_cache.h"

#include <gtest/gtest.h>

#include "wrap_test_support.h"

namespace velmo {
namespace {

using test::Bytes;
using test::Size;

LineBytes LineOf(const std::string& s) { return LineBytes{Bytes(s), Size(s)}; }

class RowLayoutTest : public ::testing::Test {
protected:
    LayoutFrame Frame(std::uint32_t column, std::int64_t limit = 100) {
        return LayoutFrame{&widths, std::uint64_t{column} * widths.ColumnWidth(), limit};
    }
    CharWidthTable widths = test::UniformWidths(10, 25);  // column 10, tab 40
};

TEST_F(RowLayoutTest, AtColumnZeroEverythingStartsAtTheLeftEdge) {
    RowLayout layout = ComputeRowLayout(LineOf("abc"), Frame(0));
    EXPECT_EQ(layout, (RowLayout{0, 0, 0, 3, 0, 30}));
    EXPECT_EQ(ComputeRowLayout(LineOf(""), Frame(7)), (RowLayout{0, 0, 0, 0, 0, 0}));
}

TEST_F(RowLayoutTest, CountStopsAfterTheFirstCharacterPastTheLimit) {
    std::string line = "abcdefghijklmnop";
    RowLayout layout = ComputeRowLayout(LineOf(line), Frame(0, 45));
    EXPECT_EQ(layout.count, 5);  // "e" ends at 50, past 45, and is drawn partly
    EXPECT_EQ(layout.xEnd, 50);
    layout = ComputeRowLayout(LineOf(line), Frame(0, 50));
    EXPECT_EQ(layout.count, 6);  // "e" ends exactly at the limit, not past it: "f" is the last
    // A tab stops the walk when its stop reaches the limit.
    layout = ComputeRowLayout(LineOf("a\tbcdef"), Frame(0, 40));
    EXPECT_EQ(layout.count, 2);
    EXPECT_EQ(layout.xEnd, 40);
}

TEST_F(RowLayoutTest, ScrolledLineSkipsWhatLiesLeftOfTheView) {
    // "W" is 25 wide: scrolled by one column it stays first, 10 further left.
    std::string line = "Wabc";
    RowLayout layout = ComputeRowLayout(LineOf(line), Frame(1));
    EXPECT_EQ(layout, (RowLayout{-10, 0, -10, 4, 0, 45}));
    layout = ComputeRowLayout(LineOf(line), Frame(3));
    EXPECT_EQ(layout.firstDrawn, 1u);
    EXPECT_EQ(layout.prefixWidth, 25u);
    EXPECT_EQ(layout.xStart, -5);
    EXPECT_EQ(layout.tabOrigin, -30);
    // A line shorter than the scroll offset draws nothing.
    layout = ComputeRowLayout(LineOf(line), Frame(9));
    EXPECT_EQ(layout.count, 0);
    EXPECT_EQ(layout.firstDrawn, 4u);
    EXPECT_EQ(layout.prefixWidth, 55u);
}

// Random lines scrolled by random column counts: every moved record equals
// a fresh one at the new position, in both control-character modes.
TEST_F(RowLayoutTest, ScrollingEqualsAFreshComputation) {
    std::mt19937 rng(77);
    for (int round = 0; round < 300; ++round) {
        widths = test::RandomWidths(rng);
        widths.ShowControlChars(round % 4 == 0);
        std::string line = test::RandomText(rng, rng() % 80);
        std::int64_t limit = rng() % 200;
        std::uint32_t column = rng() % 40;
        RowLayout layout = ComputeRowLayout(LineOf(line), Frame(column, limit));
        for (int scroll = 0; scroll < 12; ++scroll) {
            std::uint64_t oldOffset = Frame(column).scrollOffset;
            int step = static_cast<int>(rng() % 21) - 10;
            column = static_cast<std::uint32_t>(std::max(0, static_cast<int>(column) + step));
            ScrollRowLayout(&layout, LineOf(line), oldOffset, Frame(column, limit));
            ASSERT_EQ(layout, ComputeRowLayout(LineOf(line), Frame(column, limit)))
                << "round " << round << " scroll " << scroll << " column " << column;
        }
    }
}

TEST_F(RowLayoutTest, ScrollingRightAndBackRestoresTheRecord) {
    std::string line = "ab\tcWdefgh\tij";
    RowLayout before = ComputeRowLayout(LineOf(line), Frame(2));
    RowLayout layout = before;
    ScrollRowLayout(&layout, LineOf(line), Frame(2).scrollOffset, Frame(7));
    ScrollRowLayout(&layout, LineOf(line), Frame(7).scrollOffset, Frame(2));
    EXPECT_EQ(layout, before);
    RowLayout unset;
    ScrollRowLayout(&unset, LineOf(line), 0, Frame(3));
    EXPECT_FALSE(unset.Computed());
}

class RowLayoutCacheTest : public RowLayoutTest {
protected:
    void TearDown() override { SystemHeap().FailAlways(false); }
    // View row k shows lines[first + k].
    std::vector<std::string> lines{"alpha", "\tbeta", "gamma gamma", "", "delta", "W\tW", "epsilon"};
    std::uint32_t first = 0;
    LineBytes Row(std::uint32_t k) {
        return first + k < lines.size() ? LineOf(lines[first + k]) : LineBytes{};
    }
    void LayOut(RowLayoutCache& cache, std::uint32_t rows, std::uint32_t column) {
        cache.LayOutVisibleRows(rows, [this](std::uint32_t k) { return Row(k); }, Frame(column));
    }
};

TEST_F(RowLayoutCacheTest, RecordsFollowSingleLineScrolls) {
    RowLayoutCache cache(SystemHeap());
    ASSERT_TRUE(cache.Resize(4));
    LayOut(cache, 4, 0);
    for (std::uint32_t k = 0; k < 4; ++k) EXPECT_EQ(*cache.Peek(k), ComputeRowLayout(Row(k), Frame(0)));
    first = 1;
    cache.ShiftUp(3);
    for (std::uint32_t k = 0; k < 3; ++k) EXPECT_EQ(*cache.Peek(k), ComputeRowLayout(Row(k), Frame(0))) << k;
    EXPECT_FALSE(cache.Peek(3)->Computed());
    LayOut(cache, 4, 0);
    first = 0;
    cache.ShiftDown(3);
    EXPECT_FALSE(cache.Peek(0)->Computed());
    for (std::uint32_t k = 1; k < 4; ++k) EXPECT_EQ(*cache.Peek(k), ComputeRowLayout(Row(k), Frame(0))) << k;
    cache.InvalidateRows(2, 100);
    EXPECT_TRUE(cache.Peek(1)->Computed());
    EXPECT_FALSE(cache.Peek(2)->Computed());
    EXPECT_FALSE(cache.Peek(3)->Computed());
}

TEST_F(RowLayoutCacheTest, HorizontalScrollMovesEveryComputedRecord) {
    RowLayoutCache cache(SystemHeap());
    ASSERT_TRUE(cache.Resize(7));
    LayOut(cache, 7, 1);
    cache.ScrollHorizontally(7, [this](std::uint32_t k) { return Row(k); }, Frame(1).scrollOffset, Frame(4));
    for (std::uint32_t k = 0; k < 7; ++k) EXPECT_EQ(*cache.Peek(k), ComputeRowLayout(Row(k), Frame(4))) << k;
}

TEST_F(RowLayoutCacheTest, SizedFromTheViewAndKeptWhenGrowthFails) {
    RowLayoutCache cache(SystemHeap());
    ASSERT_TRUE(cache.Resize(3000));  // taller than any fixed count would allow
    EXPECT_EQ(cache.Capacity(), 3000u);
    ASSERT_TRUE(cache.Resize(2));
    LayOut(cache, 2, 0);
    SystemHeap().FailAlways(true);
    EXPECT_TRUE(cache.Resize(2));  // the same size needs no memory
    EXPECT_FALSE(cache.Peek(0)->Computed());
    LayOut(cache, 2, 0);
    EXPECT_FALSE(cache.Resize(5));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(cache.Capacity(), 2u);
    EXPECT_FALSE(cache.Peek(0)->Computed());
    EXPECT_EQ(cache.Peek(2), nullptr);
    // Rows beyond the cache are laid out on demand and not kept.
    const RowLayout& far = cache.Load(5, Row(5), Frame(0));
    EXPECT_EQ(far, ComputeRowLayout(Row(5), Frame(0)));
    EXPECT_EQ(cache.Current(), far);
    EXPECT_EQ(cache.Load(-1, Row(0), Frame(0)), ComputeRowLayout(Row(0), Frame(0)));
    cache.Load(1, Row(1), Frame(0));
    EXPECT_TRUE(cache.Peek(1)->Computed());
    EXPECT_EQ(cache.Current(), *cache.Peek(1));
}

}  // namespace
}  // namespace velmo
