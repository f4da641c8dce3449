#include "common/byte_scan.h"

namespace velmo {

namespace {

#if defined(__SSE2__)
// Bit k set when byte k of the 16 at `at` equals a or b.
inline unsigned EitherMask(const std::uint8_t* at, __m128i a, __m128i b) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b))));
}

// One test for 64 bytes: whether any of them equals a or b.
inline bool AnyIn64(const std::uint8_t* at, __m128i a, __m128i b) {
    __m128i any = _mm_setzero_si128();
    for (int k = 0; k < 4; ++k) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * k));
        any = _mm_or_si128(any, _mm_or_si128(_mm_cmpeq_epi8(block, a), _mm_cmpeq_epi8(block, b)));
    }
    return _mm_movemask_epi8(any) != 0;
}
#endif

}  // namespace

std::size_t FindEitherByte(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(static_cast<char>(a)), vb = _mm_set1_epi8(static_cast<char>(b));
    while (i + 64 <= count && !AnyIn64(bytes + i, va, vb)) i += 64;
    for (; i + 16 <= count; i += 16) {
        unsigned mask = EitherMask(bytes + i, va, vb);
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i < count; ++i) {
        if (bytes[i] == a || bytes[i] == b) return i;
    }
    return count;
}

std::size_t FindLastEitherByte(const std::uint8_t* bytes, std::size_t count, std::uint8_t a, std::uint8_t b) {
    std::size_t end = count;  // bytes[end, count) hold neither
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(static_cast<char>(a)), vb = _mm_set1_epi8(static_cast<char>(b));
    while (end >= 64 && !AnyIn64(bytes + end - 64, va, vb)) end -= 64;
    for (; end >= 16; end -= 16) {
        unsigned mask = EitherMask(bytes + end - 16, va, vb);
        if (mask != 0) return end - 16 + static_cast<std::size_t>(31 - __builtin_clz(mask));
    }
#endif
    while (end > 0) {
        --end;
        if (bytes[end] == a || bytes[end] == b) return end;
    }
    return count;
}

}  // namespace velmo
