#include "common/byte_scan.h"
#include "common/word_shift.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace velmo {
namespace {

// The scans must answer exactly what a byte loop answers, wherever the range
// starts and ends relative to 16-byte blocks, wherever the bytes sought lie
// (at the ends, in heads and tails shorter than a block, or nowhere) and
// however many candidates a call may return.
TEST(ByteScanTest, AgreesWithAByteLoopOnRandomRanges) {
    std::mt19937 rng(7);
    std::vector<std::uint8_t> buffer(700);
    for (int round = 0; round < 20000; ++round) {
        // Mostly a background byte, with a few sought bytes sprinkled in.
        auto background = static_cast<std::uint8_t>(rng());
        for (auto& byte : buffer) byte = rng() % 97 == 0 ? static_cast<std::uint8_t>(rng()) : background;
        auto a = static_cast<std::uint8_t>(rng());
        EitherByte first{a, rng() % 4 == 0 ? a : static_cast<std::uint8_t>(rng())};
        EitherByte last = rng() % 3 == 0 ? first : EitherByte{background, static_cast<std::uint8_t>(rng())};
        std::uint32_t offset = rng() % 40, count = rng() % (round % 3 == 0 ? 40 : 550);
        std::uint32_t distance = rng() % 3 == 0 ? 0 : rng() % 100;
        for (int k = rng() % 4; k > 0 && count > 0; --k) buffer[offset + rng() % count] = rng() % 2 ? first.a : first.b;
        const std::uint8_t* bytes = buffer.data() + offset;
        SCOPED_TRACE("round " + std::to_string(round) + " offset " + std::to_string(offset) + " count " +
                     std::to_string(count));
        std::vector<std::uint32_t> expected, found(1 + rng() % 8);
        std::vector<std::size_t> visited, expectedBytes;
        std::uint32_t lastExpected = count;
        for (std::uint32_t i = 0; i < count; ++i) {
            if (first.Holds(bytes[i]) && last.Holds(bytes[i + distance])) expected.push_back(lastExpected = i);
            if (bytes[i] == first.a) expectedBytes.push_back(i);
        }
        ASSERT_EQ(FindLastCandidate(bytes, count, first, last, distance), lastExpected);
        expected.resize(std::min(expected.size(), found.size()));
        auto max = static_cast<std::uint32_t>(found.size());
        found.resize(FindCandidates(bytes, count, first, last, distance, found.data(), max));
        ASSERT_EQ(found, expected);
        ForEachByte(bytes, count, first.a, [&](std::size_t i) { visited.push_back(i); });
        ASSERT_EQ(visited, expectedBytes);
    }
}

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
