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
    static unsigned Mask(__m128i block) { return static_cast<unsigned>(_mm_movemask_epi8(block)); }
    unsigned Mask(std::uint32_t at) const { return Mask(Block(at)); }

    // 64 places at once; most blocks of a long text hold no candidate.
    struct Four {
        __m128i blocks[4];
        bool Any() const {
            return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(blocks[0], blocks[1]),
                                                  _mm_or_si128(blocks[2], blocks[3]))) != 0;
        }
    };
    Four Blocks64(std::uint32_t at) const { return Four{{Block(at), Block(at + 16), Block(at + 32), Block(at + 48)}}; }

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
    // Writes the candidates of one block; false once `max` are written.
    auto take = [&](unsigned mask, std::uint32_t at) {
        for (; mask != 0; mask &= mask - 1) {
            out[found++] = at + static_cast<std::uint32_t>(__builtin_ctz(mask));
            if (found == max) return false;
        }
        return true;
    };
    for (; count - i >= 64; i += 64) {
        PairFilter::Four four = filter.Blocks64(i);
        if (!four.Any()) continue;
        for (std::uint32_t k = 0; k < 4; ++k) {
            if (!take(PairFilter::Mask(four.blocks[k]), i + 16 * k)) return found;
        }
    }
    for (; count - i >= 16; i += 16) {
        if (!take(filter.Mask(i), i)) return found;
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
    for (; end >= 64; end -= 64) {
        PairFilter::Four four = filter.Blocks64(end - 64);
        if (!four.Any()) continue;
        for (std::uint32_t k = 4; k-- > 0;) {
            unsigned mask = PairFilter::Mask(four.blocks[k]);
            if (mask != 0) return end - 64 + 16 * k + static_cast<std::uint32_t>(31 - __builtin_clz(mask));
        }
    }
    for (; end >= 16; end -= 16) {
        unsigned mask = filter.Mask(end - 16);
        if (mask != 0) return end - 16 + static_cast<std::uint32_t>(31 - __builtin_clz(mask));
    }
#endif
    while (end > 0) {
        --end;
        if (first.Holds(bytes[end]) && last.Holds(bytes[end + distance])) return end;
    }
    return count;
}

}  // namespace velmo
