#pragma once
// The library files found in the "Languages\" folder by the last rebuild of
// the Language menu: one 260-byte slot per file, in listing order. The slot
// count is fixed when the list is made, so a file that appears between
// counting and listing cannot overflow it.
#include <cstdint>

#include "common/memory_blocks.h"

namespace velmo {

class LanguageList {
public:
    explicit LanguageList(BlockHeap& heap) : heap_(heap) {}
    ~LanguageList() { Release(); }
    LanguageList(const LanguageList&) = delete;
    LanguageList& operator=(const LanguageList&) = delete;

    // Frees the old list and makes room for `capacity` names. False when the
    // memory is not there; the list is then empty.
    bool Reset(std::uint32_t capacity);
    void Release();

    // False when the list is full or the name does not fit a slot.
    bool Append(const char* fileName);

    std::uint32_t Count() const { return count_; }
    // The name listed as `identifier` (10000 for the first), or null when the
    // identifier does not name a listed file.
    const char* NameOf(std::uint32_t identifier) const;

private:
    BlockHeap& heap_;
    BlockHandle block_ = 0;
    char* slots_ = nullptr;
    std::uint32_t capacity_ = 0;
    std::uint32_t count_ = 0;
};

}  // namespace velmo
