#include "editview/search/search_pattern.h"

#include <algorithm>
#include <cstring>

#include "common/byte_scan.h"

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

bool SearchPattern::RestMatches(const std::uint8_t* at) const {
    for (std::uint32_t i = length_ - 1; i > 0; --i) {
        if (at[i] != upper_[i] && at[i] != lower_[i]) return false;
    }
    return true;
}

bool SearchPattern::Matches(const std::uint8_t* at) const {
    return (at[0] == upper_[0] || at[0] == lower_[0]) && RestMatches(at);
}

std::uint32_t SearchPattern::FindForward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const {
    if (length_ > length || from > length - length_) return kNoMatch;
    const std::uint32_t last = length - length_;  // the last place a match can start
    for (std::uint32_t at = from;;) {
        std::size_t span = std::size_t{last} - at + 1;
        std::size_t skip = FindEitherByte(text + at, span, upper_[0], lower_[0]);
        if (skip == span) return kNoMatch;
        at += static_cast<std::uint32_t>(skip);
        if (RestMatches(text + at)) return at;
        if (at == last) return kNoMatch;
        ++at;
    }
}

std::uint32_t SearchPattern::FindBackward(const std::uint8_t* text, std::uint32_t length, std::uint32_t from) const {
    if (length_ > length) return kNoMatch;
    for (std::uint32_t at = std::min(from, length - length_);;) {
        std::size_t span = std::size_t{at} + 1;
        std::size_t found = FindLastEitherByte(text, span, upper_[0], lower_[0]);
        if (found == span) return kNoMatch;
        at = static_cast<std::uint32_t>(found);
        if (RestMatches(text + at)) return at;
        if (at == 0) return kNoMatch;
        --at;
    }
}

}  // namespace velmo
