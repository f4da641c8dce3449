#include "editview/view/view_geometry.h"

#include <algorithm>
#include <cstring>

#include "common/text_utils.h"

namespace velmo {

std::uint32_t ClampPixels(std::int64_t requested, std::uint32_t largest) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(requested, 0, largest));
}

Padding PaddingFromRequest(std::int64_t above, std::int64_t below) {
    return Padding{ClampPixels(above, kLargestPadding), ClampPixels(below, kLargestPadding)};
}

Margins MarginsFromRequest(std::int64_t left, std::int64_t right) {
    return Margins{ClampPixels(left, kLargestMargin) + 1, ClampPixels(right, kLargestMargin) + 1};
}

std::uint32_t LineHeight(std::uint32_t fontHeight, std::uint32_t externalLeading, Padding padding) {
    std::uint64_t height = std::uint64_t{fontHeight} + externalLeading + padding.above + padding.below;
    return static_cast<std::uint32_t>(std::clamp<std::uint64_t>(height, 1, 0xFFFFFFFFu));
}

std::uint32_t GutterWidth(std::uint32_t lineCount, std::uint32_t gutterCharWidth) {
    char grouped[16];
    FormatGrouped(grouped, sizeof grouped, lineCount);
    return static_cast<std::uint32_t>(std::strlen(grouped)) * gutterCharWidth + kGutterExtra;
}

TextArea ComputeTextArea(std::uint32_t clientWidth, std::uint32_t shownGutterWidth, Margins margins,
                         std::uint32_t columnWidth) {
    TextArea area;
    area.textLeft = shownGutterWidth + margins.left;
    area.textRight = clientWidth > margins.right ? clientWidth - margins.right : 0;
    area.width = area.textRight > area.textLeft ? area.textRight - area.textLeft : 0;
    area.lastTextX = static_cast<std::int32_t>(std::min<std::uint32_t>(area.width, 0x7FFFFFFF)) - 1;
    area.visibleColumns = std::max(area.width / std::max(columnWidth, 1u), 1u);
    return area;
}

RowCounts ComputeRowCounts(std::uint32_t clientHeight, std::uint32_t lineHeight) {
    std::uint32_t height = std::max(lineHeight, 1u);
    std::uint32_t full = clientHeight / height;
    std::uint32_t touched = full + (clientHeight % height != 0 ? 1 : 0);
    return RowCounts{std::max(full, 1u), std::max(touched, 1u)};
}

std::uint64_t LineWidth(const std::uint8_t* bytes, std::uint32_t length, const CharWidthTable& widths) {
    return static_cast<std::uint64_t>(widths.RunEnd(bytes, length, 0, 0));
}

WidestLine FindWidestLine(const LineTable& lines, const std::uint8_t* text, const CharWidthTable& widths,
                          std::uint32_t first, std::uint32_t last) {
    last = std::min(last, lines.last);
    WidestLine widest{0, last};
    for (std::uint32_t line = last + 1; line-- > first;) {
        std::uint32_t length = lines.LineTextLength(line, widths.ControlCharsShown());
        std::uint64_t width = LineWidth(text + lines.Start(line), length, widths);
        if (width > widest.width) widest = WidestLine{width, line};
    }
    return widest;
}

ColumnRange ColumnRangeFor(std::uint64_t widestWidth, std::uint32_t columnWidth) {
    std::uint64_t column = std::max(columnWidth, 1u);
    std::uint64_t total = std::min<std::uint64_t>((widestWidth + column - 1) / column, 0xFFFFFFFFu);
    return ColumnRange{static_cast<std::uint32_t>(total), total == 0 ? 0 : static_cast<std::uint32_t>(total - 1)};
}

}  // namespace velmo
