// The scans must answer exactly what a byte loop answers, wherever the range
// starts and ends relative to 16-byte blocks, wherever the bytes sought lie
// (at the ends, in heads and tails shorter than a block, or nowhere) and
// however many candidates a call may return.
#include "common/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace velmo {
namespace {

struct Scan {
    const std::uint8_t* bytes;
    std::uint32_t count;
    EitherByte first, last;
    std::uint32_t distance;

    bool At(std::uint32_t i) const { return first.Holds(bytes[i]) && last.Holds(bytes[i + distance]); }
};

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
        Scan scan{buffer.data() + offset, count, first, last, distance};
        SCOPED_TRACE("round " + std::to_string(round) + " offset " + std::to_string(offset) + " count " +
                     std::to_string(count));

        std::vector<std::uint32_t> expected;
        for (std::uint32_t i = 0; i < count; ++i) {
            if (scan.At(i)) expected.push_back(i);
        }
        std::uint32_t max = 1 + rng() % 8;
        std::vector<std::uint32_t> found(max);
        std::uint32_t n = FindCandidates(scan.bytes, count, first, last, distance, found.data(), max);
        found.resize(n);
        expected.resize(std::min<std::size_t>(expected.size(), max));
        ASSERT_EQ(found, expected);
        std::uint32_t lastExpected = count;
        for (std::uint32_t i = count; i-- > 0;) {
            if (scan.At(i)) {
                lastExpected = i;
                break;
            }
        }
        ASSERT_EQ(FindLastCandidate(scan.bytes, count, first, last, distance), lastExpected);

        std::vector<std::size_t> visited, bytes;
        ForEachByte(scan.bytes, count, first.a, [&](std::size_t i) { visited.push_back(i); });
        for (std::uint32_t i = 0; i < count; ++i) {
            if (scan.bytes[i] == first.a) bytes.push_back(i);
        }
        ASSERT_EQ(visited, bytes);
    }
}

}  // namespace
}  // namespace velmo
