// The scans must answer exactly what a byte loop answers, wherever the range
// starts and ends relative to 16-byte blocks and wherever the bytes sought
// lie: at the ends, in heads and tails shorter than a block, or nowhere.
#include "common/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace velmo {
namespace {

std::size_t FirstByLoop(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b) {
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] == a || bytes[i] == b) return i;
    }
    return count;
}

std::size_t LastByLoop(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b) {
    for (std::size_t i = count; i-- > 0;) {
        if (bytes[i] == a || bytes[i] == b) return i;
    }
    return count;
}

TEST(ByteScanTest, AgreesWithAByteLoopOnRandomRanges) {
    std::mt19937 rng(7);
    std::vector<std::uint8_t> buffer(600);
    for (int round = 0; round < 20000; ++round) {
        // Mostly a background byte, with a few sought bytes sprinkled in.
        std::uint8_t background = static_cast<std::uint8_t>(rng());
        for (auto& byte : buffer) byte = rng() % 97 == 0 ? static_cast<std::uint8_t>(rng()) : background;
        std::uint8_t a = static_cast<std::uint8_t>(rng()), b = rng() % 4 == 0 ? a : static_cast<std::uint8_t>(rng());
        std::size_t offset = rng() % 40, count = rng() % (round % 3 == 0 ? 40 : 550);
        for (int k = rng() % 3; k > 0 && count > 0; --k) buffer[offset + rng() % count] = rng() % 2 ? a : b;
        const std::uint8_t* bytes = buffer.data() + offset;
        ASSERT_EQ(FindEitherByte(bytes, count, a, b), FirstByLoop(bytes, count, a, b))
            << "round " << round << " offset " << offset << " count " << count;
        ASSERT_EQ(FindLastEitherByte(bytes, count, a, b), LastByLoop(bytes, count, a, b))
            << "round " << round << " offset " << offset << " count " << count;
        std::vector<std::size_t> visited, expected;
        ForEachByte(bytes, count, a, [&](std::size_t i) { visited.push_back(i); });
        for (std::size_t i = 0; i < count; ++i) {
            if (bytes[i] == a) expected.push_back(i);
        }
        ASSERT_EQ(visited, expected) << "round " << round;
    }
}

}  // namespace
}  // namespace velmo
