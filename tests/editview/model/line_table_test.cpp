#include "editview/model/line_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "editview/model/line_scan.h"
#include "editview/model/line_table_builder.h"
#include "recording_events.h"

namespace velmo::testing {
namespace {

// A table for `text` built in one pass or from pieces, with its slack.
void ExpectTable(const LineTable& table, const std::string& text) {
    Mismatch check;
    CheckLineTable(check, table, text);
    ASSERT_FALSE(check.Found()) << check.Text();
    EXPECT_GE(table.free, 65536u);
}

// Tricky texts, then random ones of every density of breaks, lone CRs and
// LFs (some hundreds of kilobytes long): scanned, built in one pass, and from random
// pieces (a piece often ends between CR and LF) in a block that starts from
// a guess as low as it can be, so that it doubles.
TEST(LineTableTest, MatchesTheReferenceOnTrickyAndRandomTexts) {
    std::vector<std::string> texts = {"", "abc", "\r\n", "a\r\nb", "\r\n\r\n", "a\rb\nc", "\r\r\n\n", "\n\r",
                                      std::string("x\0y\r\n\0", 6)};
    std::mt19937 rng(5);
    const std::string alphabets[] = {"ab\r\n", "\r\n", "abcdefghijklmnopqrstuvwxyz\r\n",
                                     std::string("a\r\r\n\n\0b\r\n", 9)};
    for (int round = 0; round < 400; ++round) {
        const std::string& alphabet = alphabets[round % 4];
        std::string text(rng() % (round % 10 == 0 ? 300000 : 3000), 'a');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        texts.push_back(text);
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& text = texts[i];
        SCOPED_TRACE("text " + std::to_string(i));
        LineTable table;
        ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), Size(text), &table));
        ExpectTable(table, text);
        SystemHeap().Free(table.handle);
        // The scan alone; a list too short takes what fits and still counts
        // them all (the sanitizers see a write past its end).
        std::vector<std::uint32_t> entries = ReferenceEntries(text);
        auto breaks = static_cast<std::uint32_t>(entries.size() - 2);
        ASSERT_EQ(CountLineBreaks(Bytes(text), Size(text)), breaks);
        auto starts = std::make_unique<std::uint32_t[]>(breaks / 2);
        ASSERT_EQ(ListLineStarts(Bytes(text), Size(text), starts.get(), breaks / 2), breaks);
        ASSERT_TRUE(std::equal(starts.get(), starts.get() + breaks / 2, entries.begin() + 1));

        LineTableBuilder builder(SystemHeap());
        ASSERT_TRUE(builder.Start(i % 2 == 0 ? Size(text) : 0));
        for (std::uint32_t at = 0; at < Size(text);) {
            at += std::min<std::uint32_t>(Size(text) - at, 1 + rng() % (rng() % 2 == 0 ? 3 : 70000));
            ASSERT_TRUE(builder.Add(Bytes(text), at));
        }
        ASSERT_TRUE(builder.Finish(Size(text), &table));
        ExpectTable(table, text);
        SystemHeap().Free(table.handle);
    }
}

TEST(LineTableTest, FailureLeavesTableUntouched) {
    const std::string text = "a\r\nb";
    LineTable table;
    ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), Size(text), &table));
    const BlockHandle handle = table.handle;
    SystemHeap().FailAlways(true);
    EXPECT_FALSE(BuildLineTable(SystemHeap(), Bytes("x\r\ny\r\nz"), 7, &table));
    std::uint32_t free = table.free;
    EXPECT_FALSE(table.Reserve(SystemHeap(), free + 4));
    SystemHeap().FailAlways(false);
    EXPECT_EQ(table.handle, handle);
    ExpectTable(table, text);

    const std::uint32_t size = table.blockSize;
    EXPECT_TRUE(table.Reserve(SystemHeap(), 8));  // enough free: no change
    EXPECT_EQ(table.blockSize, size);
    EXPECT_TRUE(table.Reserve(SystemHeap(), free + 4));  // grows by the request and one step
    EXPECT_EQ(table.blockSize, size + free + 4 + 65536);
    EXPECT_EQ(table.free, free + free + 4 + 65536);
    ExpectTable(table, text);
    SystemHeap().Free(table.handle);
}

// A block that cannot be had or cannot grow fails the build; nothing is
// left behind (the sanitizer would see a lost block).
TEST(LineTableTest, BuilderWithoutMemoryFailsWithoutLeaking) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "ab\r\n";
    const std::uint32_t length = Size(text);
    for (unsigned fail = 1; fail <= 4; ++fail) {
        SystemHeap().FailAfter(fail);
        LineTableBuilder builder(SystemHeap());
        LineTable table;
        bool built = builder.Start(0) && builder.Add(Bytes(text), length / 2) && builder.Add(Bytes(text), length) &&
                     builder.Finish(length, &table);
        SystemHeap().FailAfter(0);
        if (built) ExpectTable(table, text);
        if (built) SystemHeap().Free(table.handle);
        EXPECT_EQ(built, fail > 3) << "allocation " << fail;
    }
}

}  // namespace
}  // namespace velmo::testing
