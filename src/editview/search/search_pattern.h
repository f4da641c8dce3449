#pragma once
// The text one search request looks for, and the scans that find it. A match
// is a run of bytes as long as the text in which each byte equals the text's
// byte at that place or, when case is ignored, its upper or its lower case
// form. The case forms are made once per request. Candidates are found by
// their first byte alone; the rest is compared from the last byte down.
#include <cstdint>

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
    // The last match in text[0, length) that starts at `from` or earlier.
    std::uint32_t FindBackward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const;

private:
    const std::uint8_t* CaseCopy(BlockHandle* block, const std::uint8_t* text,
                                 void (*convert)(std::uint8_t*, std::uint32_t));
    bool RestMatches(const std::uint8_t* at) const;

    BlockHeap& heap_;
    BlockHandle upperBlock_ = 0;
    BlockHandle lowerBlock_ = 0;
    const std::uint8_t* upper_ = nullptr;  // both the text itself when case counts
    const std::uint8_t* lower_ = nullptr;
    std::uint32_t length_ = 0;
};

}  // namespace velmo
