#pragma once
// Moving many stored offsets by one amount, four 32-bit words per SSE2 step:
// after an edit every line start (or row entry) behind it moves, and in a
// large document there are millions of them.
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmo {

// Adds `even` to words 0, 2, 4, ... and `odd` to words 1, 3, 5, ... of the
// `count` 32-bit words at `words`, modulo 2^32: an array of plain words
// (even == odd) or of records of two words.
inline void AddToWords(void* words, std::size_t count, std::uint32_t even, std::uint32_t odd) {
    auto* bytes = static_cast<unsigned char*>(words);
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i add = _mm_set_epi32(static_cast<int>(odd), static_cast<int>(even), static_cast<int>(odd),
                                      static_cast<int>(even));
    for (; i + 4 <= count; i += 4) {
        auto* block = reinterpret_cast<__m128i*>(bytes + 4 * i);
        _mm_storeu_si128(block, _mm_add_epi32(_mm_loadu_si128(block), add));
    }
#endif
    for (; i < count; ++i) {
        std::uint32_t word;
        std::memcpy(&word, bytes + 4 * i, 4);
        word += i % 2 == 0 ? even : odd;
        std::memcpy(bytes + 4 * i, &word, 4);
    }
}

}  // namespace velmo
