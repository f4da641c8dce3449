#include "common/byte_scan.h"

namespace velmo {

namespace {

#if defined(__SSE2__)
// Sixteen places at once: byte k set when place at + k is a candidate.
class PairFilter {
public:
    PairFilter(const std::uint8_t* bytes, EitherByte first, EitherByte last, std::uint32_t distance)
        : bytes_(bytes), distance_(distance), firstA_(Splat(first.a)), firstB_(Splat(first.b)),
          lastA_(Splat(last.a)), lastB_(Splat(last.b)) {}

    __m128i Block(std::uint32_t at) const {
        __m128i start = Load(at), end = Load(at + distance_);
        return _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(start, firstA_), _mm_cmpeq_epi8(start, firstB_)),
                             _mm_or_si128(_mm_cmpeq_epi8(end, lastA_), _mm_cmpeq_epi8(end, lastB_)));
    }
    unsigned Mask(std::uint32_t at) const { return static_cast<unsigned>(_mm_movemask_epi8(Block(at))); }
    // Whether any of 64 places is a candidate: most blocks of a long text hold none.
    bool Any64(std::uint32_t at) const {
        __m128i any =
            _mm_or_si128(_mm_or_si128(Block(at), Block(at + 16)), _mm_or_si128(Block(at + 32), Block(at + 48)));
        return _mm_movemask_epi8(any) != 0;
    }

private:
    static __m128i Splat(std::uint8_t byte) { return _mm_set1_epi8(static_cast<char>(byte)); }
    __m128i Load(std::uint32_t at) const { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes_ + at)); }

    const std::uint8_t* bytes_;
    std::uint32_t distance_;
    __m128i firstA_, firstB_, lastA_, lastB_;
};
#endif

}  // namespace

std::uint32_t FindCandidates(const std::uint8_t* bytes, std::uint32_t count, EitherByte first, EitherByte last,
                             std::uint32_t distance, std::uint32_t* out, std::uint32_t max) {
    std::uint32_t found = 0, i = 0;
    if (max == 0) return 0;
#if defined(__SSE2__)
    PairFilter filter(bytes, first, last, distance);
    while (count - i >= 16) {
        if (count - i >= 64 && !filter.Any64(i)) {
            i += 64;
            continue;
        }
        for (unsigned mask = filter.Mask(i); mask != 0; mask &= mask - 1) {
            out[found++] = i + static_cast<std::uint32_t>(__builtin_ctz(mask));
            if (found == max) return found;
        }
        i += 16;
    }
#endif
    for (; i < count; ++i) {
        if (first.Holds(bytes[i]) && last.Holds(bytes[i + distance])) {
            out[found++] = i;
            if (found == max) return found;
        }
    }
    return found;
}

std::uint32_t FindLastCandidate(const std::uint8_t* bytes, std::uint32_t count, EitherByte first, EitherByte last,
                                std::uint32_t distance) {
    std::uint32_t end = count;  // no candidate at end .. count - 1
#if defined(__SSE2__)
    PairFilter filter(bytes, first, last, distance);
    while (end >= 16) {
        if (end >= 64 && !filter.Any64(end - 64)) {
            end -= 64;
            continue;
        }
        unsigned mask = filter.Mask(end - 16);
        if (mask != 0) return end - 16 + static_cast<std::uint32_t>(31 - __builtin_clz(mask));
        end -= 16;
    }
#endif
    while (end > 0) {
        --end;
        if (first.Holds(bytes[end]) && last.Holds(bytes[end + distance])) return end;
    }
    return count;
}

}  // namespace velmo
