#pragma once
// The text one search request looks for, and the scans that find it. A match
// is a run of bytes as long as the text in which each byte equals the text's
// byte at that place or, when case is ignored, its upper or its lower case
// form. The case forms are made once per request. Candidates are found by
// their first and last bytes, sixteen places at a time; the rest is then
// compared from the last byte down.
#include <cstdint>

#include "common/byte_scan.h"
#include "common/memory_blocks.h"

namespace velmo {

constexpr std::uint32_t kNoMatch = 0xFFFFFFFFu;

// The user's code page's case forms, converting bytes in place.
struct CaseMapping {
    void (*toUpper)(std::uint8_t* bytes, std::uint32_t length);
    void (*toLower)(std::uint8_t* bytes, std::uint32_t length);
};

class SearchPattern {
public:
    explicit SearchPattern(BlockHeap& heap) : heap_(heap) {}
    ~SearchPattern();
    SearchPattern(const SearchPattern&) = delete;
    SearchPattern& operator=(const SearchPattern&) = delete;

    // Looks for text[0, length), length > 0; the text must outlive the
    // pattern. With `cases` it makes the upper and the lower case copies,
    // each in a zero-filled block of length + 1 bytes; false when a block
    // cannot be had.
    bool Prepare(const std::uint8_t* text, std::uint32_t length, const CaseMapping* cases);

    std::uint32_t Length() const { return length_; }
    // Whether the Length() bytes at `at` are a match.
    bool Matches(const std::uint8_t* at) const;
    // The first match in text[0, length) that starts at `from` or later.
    std::uint32_t FindForward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const;
    // Calls visit(at) for the matches in text[0, length) from `from` on,
    // each starting behind the end of the one before, in increasing order,
    // until visit returns false. The text may change behind each match's
    // end as the visits go.
    template <typename Visit>
    void ForEachMatch(const std::uint8_t* text, std::uint32_t length, std::uint32_t from, Visit visit) const {
        if (length_ > length) return;
        const std::uint32_t last = length - length_;  // the last place a match can start
        std::uint32_t candidates[kCandidateBatch];
        for (std::uint32_t scan = from, next = from; scan <= last;) {
            std::uint32_t found = FindCandidates(text + scan, last - scan + 1, FirstByte(), LastByte(), length_ - 1,
                                                 candidates, kCandidateBatch);
            for (std::uint32_t k = 0; k < found; ++k) {
                std::uint32_t at = scan + candidates[k];
                if (at < next || !RestMatches(text + at)) continue;
                if (!visit(at)) return;
                next = at + length_;
            }
            if (found < kCandidateBatch) return;
            scan += candidates[found - 1] + 1;
        }
    }
    // The last match in text[0, length) that starts at `from` or earlier.
    std::uint32_t FindBackward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const;

private:
    static constexpr std::uint32_t kCandidateBatch = 64;
    EitherByte FirstByte() const { return EitherByte{upper_[0], lower_[0]}; }
    EitherByte LastByte() const { return EitherByte{upper_[length_ - 1], lower_[length_ - 1]}; }
    const std::uint8_t* CaseCopy(BlockHandle* block, const std::uint8_t* text,
                                 void (*convert)(std::uint8_t*, std::uint32_t));
    // The bytes after the first of a candidate, from the last one down.
    bool RestMatches(const std::uint8_t* at) const {
        for (std::uint32_t i = length_ - 1; i > 0; --i) {
            if (at[i] != upper_[i] && at[i] != lower_[i]) return false;
        }
        return true;
    }

    BlockHeap& heap_;
    BlockHandle upperBlock_ = 0;
    BlockHandle lowerBlock_ = 0;
    const std::uint8_t* upper_ = nullptr;  // both the text itself when case counts
    const std::uint8_t* lower_ = nullptr;
    std::uint32_t length_ = 0;
};

}  // namespace velmo
