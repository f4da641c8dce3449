#pragma once
// Checks a helper that writes a text into a destination of a given size.
#include <gtest/gtest.h>

#include <string>

namespace velmo::testing {

// `write` gets `size` bytes with guard bytes behind them. It must say whether
// `whole` fitted and leave `whole`, or when cut the start of it
// (`cutKeepsStart`) or nothing; with no room at all it refuses.
template <typename Write>
void ExpectBoundedWrite(const char* what, std::size_t size, const std::string& whole, bool cutKeepsStart,
                        Write write) {
    std::string buffer(size + 8, '#');
    bool fits = write(buffer.data(), size);
    EXPECT_EQ(buffer.substr(size), std::string(8, '#')) << what << " wrote past " << size << " bytes";
    if (size == 0) {
        EXPECT_FALSE(fits) << what;
        return;
    }
    EXPECT_EQ(fits, whole.size() < size) << what << " into " << size << " bytes";
    std::string expected = fits ? whole : cutKeepsStart ? whole.substr(0, size - 1) : "";
    EXPECT_EQ(std::string(buffer.c_str()), expected) << what << " into " << size << " bytes";
}

}  // namespace velmo::testing
