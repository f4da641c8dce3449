#pragma once
// Bounded text helpers shared by the whole program. Every function that writes
// takes the destination's size and never writes past it; the result says
// whether the whole text fitted.
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace velmo {

constexpr std::size_t kMaxPath = 260;  // bytes of a path buffer, terminator included

// Length of a zero-terminated text, reading at most `limit` bytes.
std::size_t BoundedLength(const char* text, std::size_t limit);

// Copies a zero-terminated text into `dst` (capacity `dstSize`, terminator
// included). On overflow `dst` holds the cut text and the result is false.
bool BoundedCopy(char* dst, std::size_t dstSize, const char* src);

// Appends `src` to the zero-terminated text in `dst`; false when it did not fit.
bool BoundedAppend(char* dst, std::size_t dstSize, const char* src);

// Joins path parts (folder, subfolder, name, ...) into dst. On overflow dst is
// left empty, so that a cut path can never be used by mistake.
bool JoinPath(char* dst, std::size_t dstSize, std::initializer_list<const char*> parts);

// Copies `pattern`, putting `argument` in place of its first "%"; any later
// "%" is dropped.
bool SubstitutePercent(char* dst, std::size_t dstSize, const char* pattern, const char* argument);

// Unsigned decimal without sign or leading zeros.
bool FormatUnsigned(char* dst, std::size_t dstSize, std::uint32_t value);

// Reads an unsigned decimal (digits only, no sign, no blanks). False for an
// empty text, any other character, or a value above 4 294 967 295.
bool ParseUnsigned(const char* text, std::uint32_t* value);

// Groups a decimal text in threes from the right with single spaces:
// "1234567" becomes "1 234 567".
bool GroupDigits(char* dst, std::size_t dstSize, const char* digits);

// FormatUnsigned followed by GroupDigits.
bool FormatGrouped(char* dst, std::size_t dstSize, std::uint32_t value);

// The text after the last backslash of a path (the whole path when it has none).
const char* FileNamePart(const char* path);

// Copies `count` bytes to a lower or non-overlapping destination.
void CopyForward(void* dst, const void* src, std::size_t count);

}  // namespace velmo
