#include "common/word_shift.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace velmo {
namespace {

// Random lengths and starting words (so the four-word steps start anywhere)
// and amounts that wrap past 2^32, against a plain loop.
TEST(WordShiftTest, AddsLikeAPlainLoop) {
    std::mt19937 rng(3);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint32_t> words(1 + rng() % 70);
        for (auto& w : words) w = rng();
        std::size_t first = rng() % words.size(), count = rng() % (words.size() - first + 1);
        std::uint32_t even = rng(), odd = round % 3 == 0 ? even : rng();
        std::vector<std::uint32_t> expected = words;
        for (std::size_t i = 0; i < count; ++i) expected[first + i] += i % 2 == 0 ? even : odd;
        AddToWords(words.data() + first, count, even, odd);
        ASSERT_EQ(words, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace velmo
