#pragma once
// The texts of the status bar, formatted from the language library's
// patterns with 1-based numbers grouped in threes ("1 234 567").
#include <cstddef>
#include <cstdint>

namespace velmo {

// Pattern with three text conversions: line, column, selection length.
bool FormatPositionText(char* dst, std::size_t dstSize, const char* pattern, std::uint32_t line,
                        std::uint32_t column, std::uint32_t selectionLength);

// Pattern whose first "%" takes the line count.
bool FormatLineCountText(char* dst, std::size_t dstSize, const char* pattern, std::uint32_t lineCount);

// Pattern with two numeric conversions, both given the byte's value.
bool FormatCharacterText(char* dst, std::size_t dstSize, const char* pattern, unsigned char byte);

constexpr char kInsertText[] = " INS";
constexpr char kOverwriteText[] = " OVR";
constexpr char kCapsText[] = " CAPS";
constexpr char kNumText[] = " NUM";
constexpr char kLockOffText[] = " ";

// " CP: " followed by the code page's text.
bool FormatCodePageText(char* dst, std::size_t dstSize, const char* codePage);

}  // namespace velmo
