#pragma once
// Finding line breaks. A line break is the pair CR LF; a lone CR or LF is an
// ordinary byte. Two pairs can never overlap, so every LF preceded by a CR
// ends a line.
#include <cstdint>

namespace velmo {

// Number of CR LF pairs in text[0, length).
std::uint32_t CountLineBreaks(const std::uint8_t* text, std::uint32_t length);

// Writes the start offset of every line after the first (the offset behind
// each CR LF) to `starts`, at most `capacity` of them, and returns how many
// lines there are after the first.
std::uint32_t ListLineStarts(const std::uint8_t* text, std::uint32_t length, std::uint32_t* starts,
                             std::uint32_t capacity = 0xFFFFFFFFu);

}  // namespace velmo
