#pragma once
// printf-style formatting of texts that come from language libraries. Such a
// format is data, not code: a conversion that does not match its argument, or
// has none, must not read the wrong thing. Each conversion takes the next
// argument and shows it as the conversion asks: numbers with d, i, u, x, X
// and c, texts with s; a text given where a number is asked for, or the other
// way round, is shown as it is, and a missing argument as nothing.
#include <cstddef>
#include <cstdint>

namespace velmo {

struct FormatArg {
    const char* text = nullptr;  // shown by %s; when null, `number` is the argument
    std::uint32_t number = 0;

    static FormatArg Text(const char* t) { return FormatArg{t != nullptr ? t : "", 0}; }
    static FormatArg Number(std::uint32_t n) { return FormatArg{nullptr, n}; }
};

// Formats into dst (capacity dstSize, terminator included); false when the
// result was cut to fit. Flags "-" and "0" and a width up to 99 are honoured.
bool FormatText(char* dst, std::size_t dstSize, const char* format, const FormatArg* args, std::size_t argCount);

}  // namespace velmo
