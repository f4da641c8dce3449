#pragma once
// Finding bytes in large texts sixteen at a time. The C runtime's memchr is
// a plain byte loop under Wine, and searching, line counting and replacing
// all spend their time here. Every load stays inside the given range.
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmo {

// A byte that may take either of two values (a letter's two case forms).
struct EitherByte {
    std::uint8_t a, b;
    bool Holds(std::uint8_t byte) const { return byte == a || byte == b; }
};

// The places i < count, in increasing order, where bytes[i] is `first` and
// bytes[i + distance] is `last`: where a text with those bytes at its start
// and its end may begin. Writes at most `max` of them to `out` and returns
// how many it wrote. bytes[count - 1 + distance] must be readable.
std::uint32_t FindCandidates(const std::uint8_t* bytes, std::uint32_t count, EitherByte first, EitherByte last,
                             std::uint32_t distance, std::uint32_t* out, std::uint32_t max);

// The last such place; count when there is none.
std::uint32_t FindLastCandidate(const std::uint8_t* bytes, std::uint32_t count, EitherByte first, EitherByte last,
                                std::uint32_t distance);

// Calls visit(i) for every i < count with bytes[i] == value, in increasing
// order. Inline, since the visit is often a single store.
template <typename Visit>
void ForEachByte(const std::uint8_t* bytes, std::size_t count, std::uint8_t value, Visit visit) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
    for (; i + 16 <= count; i += 16) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
        for (; mask != 0; mask &= mask - 1) visit(i + static_cast<std::size_t>(__builtin_ctz(mask)));
    }
#endif
    for (; i < count; ++i) {
        if (bytes[i] == value) visit(i);
    }
}

}  // namespace velmo
