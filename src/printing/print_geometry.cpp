#include "printing/print_geometry.h"

#include <algorithm>
#include <limits>

namespace velmo {

namespace {

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Scale(std::int32_t value, std::int32_t page, std::int32_t paper) {
    return static_cast<std::int64_t>(value) * page / paper;
}

}  // namespace

PageRect TextRectangle(const PageRect& margins, PageSize paper, PageSize page, PageSize offset) {
    if (paper.width <= 0 || paper.height <= 0 || page.width <= 0 || page.height <= 0) return PageRect{0, 0, 0, 0};
    return PageRect{Clamp32(Scale(margins.left, page.width, paper.width) - offset.width),
                    Clamp32(Scale(margins.top, page.height, paper.height) - offset.height),
                    Clamp32(page.width - Scale(margins.right, page.width, paper.width) - offset.width),
                    Clamp32(page.height - Scale(margins.bottom, page.height, paper.height) - offset.height)};
}

std::int32_t PrintFontHeight(std::int32_t pointTenths, std::int32_t dpiY) {
    return Clamp32(-(static_cast<std::int64_t>(pointTenths) * dpiY / 720));
}

}  // namespace velmo
