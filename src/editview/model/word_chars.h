#pragma once
// Which bytes belong to words, for word deletion, word movement and
// double-click selection alike.
#include <cstdint>

namespace velmo {

// False for the control characters, the space, the ASCII punctuation (except
// the at sign and the underscore), DEL and the code page 1250 symbols that
// separate words; true for digits, letters and every other byte from 0x80 up.
bool IsWordByte(std::uint8_t byte);

}  // namespace velmo
