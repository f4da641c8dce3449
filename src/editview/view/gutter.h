#pragma once
// The line-number gutter of one row and the line markers.
#include <windows.h>

#include <cstdint>

namespace velmo {

// The gutter of document row `row` drawn at `y`: background, the line's
// number on the first row of each line, the separator and its marker.
void DrawGutterRow(HDC dc, std::uint32_t row, int y);

}  // namespace velmo
