#pragma once
// The font character set that shows text of a keyboard layout's code page.
#include <cstdint>

namespace velmo {

// The character set for an ANSI code page; `current` for a code page the
// table does not know, so an unknown layout leaves the font alone.
std::uint8_t CharsetForCodePage(std::uint32_t codePage, std::uint8_t current);

}  // namespace velmo
