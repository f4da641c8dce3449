#pragma once
// EVM_SEARCH's parameter record and the error codes EVM_GETSEARCHERROR
// answers. On the 32-bit program the record is five 32-bit fields, 20 bytes.
#include <cstdint>

namespace velmo {

enum : std::uint32_t {
    SEARCH_FIND = 0,
    SEARCH_REPLACE = 1,
    SEARCH_REPLACE_ALL = 2,
};

enum : std::uint32_t {
    kSearchNoError = 0,
    kSearchCancelled = 1,  // the parent refused a replace-all without its undo step
    kSearchNoMemory = 8,
};

struct SearchRequest {
    std::uint32_t operation = SEARCH_FIND;
    std::uint32_t searchDown = 1;  // 1 towards the end, 0 towards the start
    std::uint32_t ignoreCase = 0;  // 1: letters match in either case
    const char* findWhat = nullptr;     // zero-terminated, at least one byte
    const char* replaceWith = nullptr;  // zero-terminated, may be empty
};

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(SearchRequest) == 20, "EVM_SEARCH's record is five 32-bit fields");
#endif

}  // namespace velmo
