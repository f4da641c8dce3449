#pragma once
// Where a randomized test's decisions come from: a seeded generator in the
// unit tests, the fuzzer's input bytes in the fuzz targets. The same driver
// serves both, so that a failing fuzz input can be replayed by a unit test.
#include <cstddef>
#include <cstdint>
#include <random>

namespace velmo::testing {

class Choices {
public:
    virtual ~Choices() = default;
    // A number in [0, n); 0 when n is 0 or 1.
    virtual std::uint32_t Below(std::uint32_t n) = 0;
    bool Chance(std::uint32_t percent) { return Below(100) < percent; }
};

class RandomChoices final : public Choices {
public:
    explicit RandomChoices(std::uint64_t seed) : rng_(seed) {}
    std::uint32_t Below(std::uint32_t n) override { return n <= 1 ? 0 : static_cast<std::uint32_t>(rng_() % n); }

private:
    std::mt19937_64 rng_;
};

// Takes as few bytes as the range needs; once the bytes run out every answer
// is 0 and Exhausted() says so.
class ByteChoices final : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint32_t Below(std::uint32_t n) override {
        if (n <= 1) return 0;
        std::uint32_t value = 0;
        for (std::uint64_t range = 1; range < n; range <<= 8) value = value << 8 | Next();
        return value % n;
    }
    bool Exhausted() const { return at_ >= size_; }

private:
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : (at_ = size_ + 1, 0); }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace velmo::testing
