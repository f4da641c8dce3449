#pragma once
// The document offset under a point of the client area: the character
// boundary nearest to it on the row under it.
#include <cstdint>

namespace velmo {

// The row under client y: rows above or below the document give its first
// or last row.
std::uint32_t RowAt(std::int64_t y);

// The offset nearest to (x, y) in client pixels. Rows above or below the
// document give its first or last row; an x left of the text gives the row's
// first drawn character. A line wholly scrolled out to the left gives its end.
std::uint32_t HitTest(std::int64_t x, std::int64_t y);

}  // namespace velmo
