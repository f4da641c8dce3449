#include "editview/view/scroll_rules.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

enum { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom, kEndScroll };

VerticalFrame Frame(std::uint32_t first, std::uint32_t rows = 100, std::uint32_t full = 10, std::uint32_t touched = 10) {
    return VerticalFrame{first, rows, full, touched};
}

TEST(ScrollRules, ScrollBarCodesStopAtTheLastFullPage) {
    EXPECT_EQ(FirstRowAfterCode(Frame(90), kLineDown, 0), 90u);
    EXPECT_EQ(FirstRowAfterCode(Frame(89), kLineDown, 0), 90u);
    EXPECT_EQ(FirstRowAfterCode(Frame(85), kPageDown, 0), 90u);
    EXPECT_EQ(FirstRowAfterCode(Frame(0), kLineUp, 0), 0u);
    EXPECT_EQ(FirstRowAfterCode(Frame(5), kPageUp, 0), 0u);
    EXPECT_EQ(FirstRowAfterCode(Frame(50), kTop, 0), 0u);
    EXPECT_EQ(FirstRowAfterCode(Frame(50), kBottom, 0), 90u);
    EXPECT_EQ(FirstRowAfterCode(Frame(50), kThumbTrack, 70), 70u);
    EXPECT_EQ(FirstRowAfterCode(Frame(50), kThumbPosition, 70), 50u);
    EXPECT_EQ(FirstRowAfterCode(Frame(50), kEndScroll, 70), 50u);
    EXPECT_EQ(FirstRowAfterCode(Frame(0, 5), kBottom, 0), 0u);  // a short document never scrolls
}

TEST(ScrollRules, WheelTakesWholeStepsOnly) {
    EXPECT_EQ(WheelRows(-120, 40), -3);
    EXPECT_EQ(WheelRows(120, 40), 3);
    EXPECT_EQ(WheelRows(30, 40), 0);
    EXPECT_EQ(WheelRows(120, 0), 0);  // a screen per notch: the wheel does nothing
}

TEST(ScrollRules, LineScrollsClampToTheDocument) {
    EXPECT_EQ(FirstRowAfterLines(Frame(2), -5), 0u);
    EXPECT_EQ(FirstRowAfterLines(Frame(2), 1000000000), 90u);
    EXPECT_EQ(FirstRowAfterLines(Frame(2), 3), 5u);
}

TEST(ScrollRules, CaretRowsComeIntoView) {
    EXPECT_EQ(FirstRowShowing(Frame(20), 25, false), 20u);  // visible already
    EXPECT_EQ(FirstRowShowing(Frame(23), 23, false), 23u);  // the top row itself
    EXPECT_EQ(FirstRowShowing(Frame(20), 29, true), 21u);   // cut by the bottom edge
    EXPECT_EQ(FirstRowShowing(Frame(20), 30, false), 21u);  // just below
    EXPECT_EQ(FirstRowShowing(Frame(20, 100, 10, 11), 31, false), 22u);  // just below a partly shown row
    EXPECT_EQ(FirstRowShowing(Frame(20), 19, false), 19u);  // just above
    EXPECT_EQ(FirstRowShowing(Frame(20), 57, false), 50u);  // far: page-aligned
    EXPECT_EQ(FirstRowShowing(Frame(20), 3, false), 0u);
    EXPECT_EQ(FirstRowShowing(Frame(20, 95), 93, false), 85u);  // never past the last full page
}

TEST(ScrollRules, FoundTextIsPageAlignedOrCentred) {
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 100, true), 90u);
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 4, true), 0u);
    EXPECT_EQ(FirstRowForFound(Frame(0, 200, 20, 21), 105, false), 100u);
}

TEST(ScrollRules, ClampsPullTheViewBackAfterGrowing) {
    EXPECT_EQ(ClampFirstRow(Frame(90, 100, 20, 20)), 80u);
    EXPECT_EQ(ClampFirstRow(Frame(50, 100, 20, 20)), 50u);
    EXPECT_EQ(ClampFirstRow(Frame(0, 5, 20, 20)), 0u);
    EXPECT_EQ(ClampFirstColumn(30, 20, 40), 20u);
    EXPECT_EQ(ClampFirstColumn(30, 50, 40), 0u);
    EXPECT_EQ(ClampFirstColumn(10, 20, 40), 10u);
    EXPECT_EQ(FirstColumnShowing(45, 20), 40u);
    EXPECT_EQ(FirstColumnShowing(45, 0), 45u);
}

}  // namespace
}  // namespace velmo
