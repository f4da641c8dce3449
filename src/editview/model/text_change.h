#pragma once
// One edit of the document as the layouts see it.
#include <cstdint>

namespace velmo {

// The `removed` bytes at `start` give way to text[0, inserted).
struct TextChange {
    std::uint32_t start = 0;
    std::uint32_t removed = 0;
    const std::uint8_t* text = nullptr;
    std::uint32_t inserted = 0;
};

}  // namespace velmo
