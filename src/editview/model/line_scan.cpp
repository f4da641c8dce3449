#include "editview/model/line_scan.h"

namespace velmo {

namespace {

// Calls found(offset behind the pair) for every CR LF pair.
template <typename Found>
void ScanLineBreaks(const std::uint8_t* text, std::uint32_t length, Found found) {
    for (std::uint32_t i = 1; i < length; ++i) {
        if (text[i] == '\n' && text[i - 1] == '\r') found(i + 1);
    }
}

}  // namespace

std::uint32_t CountLineBreaks(const std::uint8_t* text, std::uint32_t length) {
    std::uint32_t count = 0;
    ScanLineBreaks(text, length, [&](std::uint32_t) { ++count; });
    return count;
}

std::uint32_t ListLineStarts(const std::uint8_t* text, std::uint32_t length, std::uint32_t* starts) {
    std::uint32_t n = 0;
    ScanLineBreaks(text, length, [&](std::uint32_t start) { starts[n++] = start; });
    return n;
}

}  // namespace velmo
