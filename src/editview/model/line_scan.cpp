#include "editview/model/line_scan.h"

#include "common/byte_scan.h"

namespace velmo {

namespace {

// Calls found(offset behind the pair) for every CR LF pair: every LF from
// the second byte on that follows a CR.
template <typename Found>
void ScanLineBreaks(const std::uint8_t* text, std::uint32_t length, Found found) {
    if (length < 2) return;
    ForEachByte(text + 1, length - 1, '\n', [&](std::size_t cr) {
        if (text[cr] == '\r') found(static_cast<std::uint32_t>(cr + 2));
    });
}

}  // namespace

std::uint32_t CountLineBreaks(const std::uint8_t* text, std::uint32_t length) {
    std::uint32_t count = 0;
    ScanLineBreaks(text, length, [&](std::uint32_t) { ++count; });
    return count;
}

std::uint32_t ListLineStarts(const std::uint8_t* text, std::uint32_t length, std::uint32_t* starts,
                             std::uint32_t capacity) {
    std::uint32_t n = 0;
    ScanLineBreaks(text, length, [&](std::uint32_t start) {
        if (n < capacity) starts[n] = start;
        ++n;
    });
    return n;
}

}  // namespace velmo
