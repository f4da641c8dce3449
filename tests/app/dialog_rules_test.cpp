#include "app/dialog_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmo {
namespace {

TEST(DialogRulesTest, CentredOverTheOwnerWithHalvesRoundedDown) {
    Point32 p = CenteredOrigin({100, 50, 951, 582}, {0, 0, 300, 121});
    EXPECT_EQ(p.x, 100 + (851 - 300) / 2);
    EXPECT_EQ(p.y, 50 + (532 - 121) / 2);
    // A dialog larger than its owner hangs over both sides.
    p = CenteredOrigin({100, 100, 200, 150}, {0, 0, 301, 91});
    EXPECT_EQ(p.x, 100 - (301 - 100) / 2);
    EXPECT_EQ(p.y, 100 - (91 - 50) / 2);
    // Extreme rectangles do not overflow.
    p = CenteredOrigin({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 10, 10});
    EXPECT_EQ(p.x, -6);  // INT_MIN + (4 294 967 295 - 10) / 2
}

TEST(DialogRulesTest, LineNumberMustLieBetweenOneAndTheLineCount) {
    std::uint32_t line = 0;
    EXPECT_TRUE(ParseLineNumber("1", 5, &line));
    EXPECT_EQ(line, 1u);
    EXPECT_TRUE(ParseLineNumber("5", 5, &line));
    EXPECT_EQ(line, 5u);
    for (const char* bad : {"0", "6", "", "-1", "1x", "99999999999", " 3"}) {
        EXPECT_FALSE(ParseLineNumber(bad, 5, &line)) << bad;
    }
}

}  // namespace
}  // namespace velmo
