#include "editview/search/search_pattern.h"

#include <algorithm>
#include <cstring>


namespace velmo {

SearchPattern::~SearchPattern() {
    heap_.Free(upperBlock_);
    heap_.Free(lowerBlock_);
}

bool SearchPattern::Prepare(const std::uint8_t* text, std::uint32_t length, const CaseMapping* cases) {
    length_ = length;
    if (cases == nullptr) {
        upper_ = lower_ = text;
        return true;
    }
    upper_ = CaseCopy(&upperBlock_, text, cases->toUpper);
    if (upper_ == nullptr) return false;
    lower_ = CaseCopy(&lowerBlock_, text, cases->toLower);
    return lower_ != nullptr;
}

const std::uint8_t* SearchPattern::CaseCopy(BlockHandle* block, const std::uint8_t* text,
                                            void (*convert)(std::uint8_t*, std::uint32_t)) {
    *block = heap_.Allocate(std::uint64_t{length_} + 1, false);
    if (*block == 0) return nullptr;
    std::uint8_t* copy = heap_.Lock(*block);
    std::memcpy(copy, text, length_);
    convert(copy, length_);
    return copy;
}

bool SearchPattern::Matches(const std::uint8_t* at) const {
    return (at[0] == upper_[0] || at[0] == lower_[0]) && RestMatches(at);
}

std::uint32_t SearchPattern::FindForward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const {
    std::uint32_t found = kNoMatch;
    ForEachMatch(text, length, from, [&found](std::uint32_t at) {
        found = at;
        return false;
    });
    return found;
}

std::uint32_t SearchPattern::FindBackward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const {
    if (length_ > length) return kNoMatch;
    for (std::uint32_t places = std::min(from, length - length_) + 1; places > 0;) {
        std::uint32_t at = FindLastCandidate(text, places, FirstByte(), LastByte(), length_ - 1);
        if (at == places) return kNoMatch;
        if (RestMatches(text + at)) return at;
        places = at;
    }
    return kNoMatch;
}

}  // namespace velmo
