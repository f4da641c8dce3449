#include "settings/language_list.h"

#include "common/text_utils.h"
#include "settings/language_names.h"

namespace velmo {

bool LanguageList::Reset(std::uint32_t capacity) {
    Release();
    if (capacity == 0) return true;
    block_ = heap_.Allocate(static_cast<std::uint64_t>(capacity) * kMaxPath, false);
    if (block_ == 0) return false;
    slots_ = reinterpret_cast<char*>(heap_.Lock(block_));
    if (slots_ == nullptr) {
        Release();
        return false;
    }
    capacity_ = capacity;
    return true;
}

void LanguageList::Release() {
    if (block_ != 0) {
        if (slots_ != nullptr) heap_.Unlock(block_);
        heap_.Free(block_);
    }
    block_ = 0;
    slots_ = nullptr;
    capacity_ = 0;
    count_ = 0;
}

bool LanguageList::Append(const char* fileName) {
    if (count_ >= capacity_) return false;
    char* slot = slots_ + static_cast<std::size_t>(count_) * kMaxPath;
    if (!BoundedCopy(slot, kMaxPath, fileName)) return false;
    ++count_;
    return true;
}

const char* LanguageList::NameOf(std::uint32_t identifier) const {
    if (identifier < kFirstLanguageId || identifier - kFirstLanguageId >= count_) return nullptr;
    return slots_ + static_cast<std::size_t>(identifier - kFirstLanguageId) * kMaxPath;
}

}  // namespace velmo
