#pragma once
// The text form of values in the settings file.
#include <cstddef>
#include <cstdint>

namespace velmo {

// Integers are written as unsigned 32-bit decimal: -13 becomes "4294967283".
// Room for ten digits and the terminator.
constexpr std::size_t kSettingNumberSize = 11;
void FormatSettingNumber(char (&dst)[kSettingNumberSize], std::int32_t value);

// Reads a value written by FormatSettingNumber, and also a hand-written
// "-13". Blanks around the number are ignored. False for anything else:
// empty text, other characters, or a number that does not fit 32 bits.
bool ParseSettingNumber(const char* text, std::int32_t* value);

// A value in the file is one line, and the profile functions drop blanks at
// both ends and one pair of enclosing quotation marks (" or '). Prepares `text` for
// writing so that it reads back unchanged: cut at the first CR or LF, and
// wrapped in quotation marks when it would otherwise lose characters.
// `dst` needs room for the text plus three bytes.
bool PrepareProfileText(char* dst, std::size_t dstSize, const char* text);

}  // namespace velmo
