#pragma once
// Where the text goes on a printed page and how tall its font is, in the
// printer's device pixels.
#include <cstdint>

namespace velmo {

struct PageRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const PageRect&) const = default;
};

struct PageSize {
    std::int32_t width;
    std::int32_t height;
};

// The text rectangle: the margins (paper units) scaled to pixels by the ratio
// page ÷ paper, per axis, truncating, taken inside the physical page, then
// moved by the printable area's offset, since the device's origin lies
// there. Paper or page sizes that are not positive give an empty rectangle.
PageRect TextRectangle(const PageRect& margins, PageSize paper, PageSize page, PageSize offset);

// The logical-font height for `pointTenths` tenths of a point at `dpiY`:
// -(pointTenths × dpiY ÷ 720), truncated toward zero.
std::int32_t PrintFontHeight(std::int32_t pointTenths, std::int32_t dpiY);

}  // namespace velmo
