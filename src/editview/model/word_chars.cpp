#include "editview/model/word_chars.h"

namespace velmo {

namespace {

// Delimiters above 0x2F: ASCII punctuation, DEL, and in code page 1250 the
// section, degree, acute, caron, currency, multiplication, division, euro,
// ogonek signs. (0xB4 stands in the table twice.)
constexpr std::uint8_t kDelimiters[] = {
    0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x5B, 0x5C, 0x5D, 0x5E, 0x60, 0x7B, 0x7C,
    0x7D, 0x7E, 0x7F, 0xA7, 0xB0, 0xB4, 0xA1, 0xA4, 0xD7, 0xF7, 0x80, 0xB4, 0xB2,
};

}  // namespace

bool IsWordByte(std::uint8_t byte) {
    if (byte <= 0x2F) return false;
    for (std::uint8_t delimiter : kDelimiters) {
        if (byte == delimiter) return false;
    }
    return true;
}

}  // namespace velmo
