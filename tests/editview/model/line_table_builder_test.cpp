#include "editview/model/line_table_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velmo {
namespace {

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// Line starts by a plain byte loop: behind every CR LF pair.
std::vector<std::uint32_t> LoopStarts(const std::string& text) {
    std::vector<std::uint32_t> starts{0};
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') starts.push_back(static_cast<std::uint32_t>(i + 2));
    }
    return starts;
}

// Texts of every density of breaks, lone CRs and LFs, fed in random pieces
// (a piece often ends between CR and LF): the table equals the byte loop's,
// whatever the pieces and however often the block had to double.
TEST(LineTableBuilderTest, PiecesGiveTheStartsOfAByteLoop) {
    std::mt19937 rng(5);
    for (int round = 0; round < 400; ++round) {
        const std::string alphabets[] = {"ab\r\n", "\r\n", "abcdefghijklmnopqrstuvwxyz\r\n",
                                         std::string("a\r\r\n\n\0", 6)};
        const std::string& alphabet = alphabets[rng() % 4];
        std::string text(rng() % (round % 10 == 0 ? 300000 : 3000), 'a');
        for (char& c : text) c = alphabet[rng() % alphabet.size()];
        const auto length = static_cast<std::uint32_t>(text.size());
        LineTableBuilder builder(SystemHeap());
        // A guess as low as it can be, so that the block doubles.
        ASSERT_TRUE(builder.Start(round % 2 == 0 ? length : 0));
        for (std::uint32_t at = 0; at < length;) {
            at += std::min<std::uint32_t>(length - at, 1 + rng() % (rng() % 2 == 0 ? 3 : 70000));
            ASSERT_TRUE(builder.Add(Bytes(text), at));
        }
        LineTable table;
        ASSERT_TRUE(builder.Finish(length, &table));
        std::vector<std::uint32_t> starts = LoopStarts(text);
        ASSERT_EQ(table.count, starts.size()) << "round " << round;
        ASSERT_EQ(std::vector<std::uint32_t>(table.entries, table.entries + table.count), starts) << "round " << round;
        EXPECT_EQ(table.Length(), length);
        EXPECT_GE(table.free, 65536u);
        EXPECT_EQ(table.blockSize - table.free, 4 * (table.count + 1));
        SystemHeap().Free(table.handle);
    }
}

// A block that cannot be had or cannot grow fails the build; nothing is
// left behind (the sanitizer would see a lost block).
TEST(LineTableBuilderTest, NoMemoryFailsWithoutLeaking) {
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "ab\r\n";
    const auto length = static_cast<std::uint32_t>(text.size());
    for (unsigned fail = 1; fail <= 4; ++fail) {
        SystemHeap().FailAfter(fail);
        LineTableBuilder builder(SystemHeap());
        LineTable table;
        bool built = builder.Start(0) && builder.Add(Bytes(text), length / 2) && builder.Add(Bytes(text), length) &&
                     builder.Finish(length, &table);
        SystemHeap().FailAfter(0);
        if (built) {
            EXPECT_EQ(table.count, 40001u);
            SystemHeap().Free(table.handle);
        }
        EXPECT_EQ(built, fail > 3) << "allocation " << fail;
    }
}

}  // namespace
}  // namespace velmo
