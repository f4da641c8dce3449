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
// LFs (some hundreds of kilobytes long). Each is scanned; built in one pass,
// then neither built anew nor grown when memory fails, and grown by the
// request and a step when it does not; and built from random pieces (a piece
// often ends between CR and LF) in a block that starts from a guess as low as
// it can be, so that it doubles, while one of its first allocations may fail
// (the leak checker sees a block a failed build keeps).
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
        std::vector<std::uint32_t> entries = ReferenceEntries(text);
        auto breaks = static_cast<std::uint32_t>(entries.size() - 2);
        ASSERT_EQ(CountLineBreaks(Bytes(text), Size(text)), breaks);
        // A list too short takes what fits and still counts them all (the
        // sanitizers see a write past its end).
        auto starts = std::make_unique<std::uint32_t[]>(breaks / 2);
        ASSERT_EQ(ListLineStarts(Bytes(text), Size(text), starts.get(), breaks / 2), breaks);
        ASSERT_TRUE(std::equal(starts.get(), starts.get() + breaks / 2, entries.begin() + 1));

        LineTable table;
        ASSERT_TRUE(BuildLineTable(SystemHeap(), Bytes(text), Size(text), &table));
        ExpectTable(table, text);
        const std::uint32_t size = table.blockSize, free = table.free;
        SystemHeap().FailAfter(1);
        ASSERT_FALSE(BuildLineTable(SystemHeap(), Bytes("x\r\ny"), 4, &table));
        SystemHeap().FailAfter(1);
        ASSERT_FALSE(table.Reserve(SystemHeap(), free + 4));
        ASSERT_TRUE(table.Reserve(SystemHeap(), free));
        ASSERT_EQ(table.blockSize, size);
        ExpectTable(table, text);
        ASSERT_TRUE(table.Reserve(SystemHeap(), free + 4));
        ASSERT_EQ(table.blockSize, size + free + 4 + std::max(size / 8, 65536u));
        ExpectTable(table, text);
        SystemHeap().Free(table.handle);

        SystemHeap().FailAfter(rng() % 5);  // 0: none fails
        LineTableBuilder builder(SystemHeap());
        bool built = builder.Start(i % 2 == 0 ? Size(text) : 0);
        for (std::uint32_t at = 0; built && at < Size(text);) {
            at += std::min<std::uint32_t>(Size(text) - at, 1 + rng() % (rng() % 2 == 0 ? 3 : 70000));
            built = builder.Add(Bytes(text), at);
        }
        built = built && builder.Finish(Size(text), &table);
        bool failed = SystemHeap().FailuresMade() > 0;
        SystemHeap().FailAfter(0);
        ASSERT_TRUE(built || failed);
        if (!built) continue;
        ExpectTable(table, text);
        SystemHeap().Free(table.handle);
    }
}

}  // namespace
}  // namespace velmo::testing
