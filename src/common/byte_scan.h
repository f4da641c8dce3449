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

// The first i < count with bytes[i] == a or bytes[i] == b; count when none.
std::size_t FindEitherByte(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b);

// The last such i; count when none.
std::size_t FindLastEitherByte(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b);

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
