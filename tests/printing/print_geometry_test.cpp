#include "printing/print_geometry.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

TEST(PrintGeometryTest, TextRectangleScalesMarginsToThePage) {
    const struct {
        const char* name;
        PageRect margins;
        PageSize paper, page, offset;
        PageRect expected;
    } cases[] = {
        // A4 in hundredths of a millimetre on a 300 dpi printer: 20 mm = 236 px.
        {"a4_300dpi", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 3508}, {0, 0}, {236, 295, 2243, 3213}},
        {"letter_600dpi", {1000, 1000, 500, 750}, {8500, 11000}, {5100, 6600}, {0, 0}, {600, 600, 4800, 6150}},
        {"printable_area_offset", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 3508}, {50, 60},
         {186, 235, 2193, 3153}},
        {"no_margins", {0, 0, 0, 0}, {21000, 29700}, {2479, 3508}, {0, 0}, {0, 0, 2479, 3508}},
        {"margins_wider_than_paper", {15000, 0, 15000, 0}, {21000, 29700}, {2100, 2970}, {0, 0},
         {1500, 0, 600, 2970}},
        {"huge_values_do_not_overflow", {2000000000, 0, 0, 0}, {1, 1}, {2000000000, 2}, {0, 0},
         {2147483647, 0, 2000000000, 2}},
        // No paper or no page in either direction: no text rectangle.
        {"zero_paper_width", {2000, 2500, 2000, 2500}, {0, 29700}, {2479, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_paper_height", {2000, 2500, 2000, 2500}, {21000, 0}, {2479, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_page_width", {2000, 2500, 2000, 2500}, {21000, 29700}, {0, 3508}, {0, 0}, {0, 0, 0, 0}},
        {"zero_page_height", {2000, 2500, 2000, 2500}, {21000, 29700}, {2479, 0}, {0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        PageRect r = TextRectangle(c.margins, c.paper, c.page, c.offset);
        EXPECT_EQ(r, c.expected) << c.name << ": " << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
    }
}

// Tenths of a point at the printer's resolution, cut toward zero.
TEST(PrintGeometryTest, FontHeightTruncatesTowardZero) {
    const std::int32_t cases[][3] = {{100, 300, -41}, {120, 300, -50}, {95, 96, -12}, {100, 720, -100},
                                     {7, 100, 0}, {2000000000, 2000000000, INT32_MIN}};
    for (const auto& [tenths, dpi, expected] : cases) EXPECT_EQ(PrintFontHeight(tenths, dpi), expected) << tenths;
}

}  // namespace
}  // namespace velmo
