// Keys, the left mouse button and scroll messages through the real control,
// played from a script (see EditViewTest::Play) on a text area of 40 columns
// by 10 rows: the selection after it, what the parent was told, and where the
// view is.
#include <string>

#include "test_window.h"

namespace velmo::test {
namespace {

struct InputCase {
    const char* name;
    std::string text;
    const char* script;
    const char* sel;    // "start,end @caret"
    const char* told;   // caret positions told the parent; null: not checked
    const char* place;  // "top T col C row R [timer]"; null: not checked
};

class InputTest : public EditViewTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputTest, EndsWhereExpected) {
    const InputCase& c = GetParam();
    SetText(c.text);
    PumpMessages();
    Log().Clear();
    Play(c.script);
    EXPECT_EQ(Sel(), c.sel);
    EXPECT_EQ(c.told == nullptr ? "-" : Told(), c.told == nullptr ? "-" : c.told);
    EXPECT_EQ(c.place == nullptr ? "-" : ViewPlace(), c.place == nullptr ? "-" : c.place);
}

std::string CaseName(const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; }

const std::string kTwo = "ab\r\ncd", kWords = "foo(bar) x\r\n a_b@c.d\r\n ab", kGoal = "abcdef\r\nab\r\n\r\nabcdefgh";
const std::string kLong = std::string(200, 'w') + "\r\nend", kPage = Lines(100), kEights = Lines(100, "abcdefgh");

const InputCase kKeyCases[] = {
    {"LeftAtTheStartStillTells", kTwo, "Left", "0,0 @0", "0:0", nullptr},
    {"RightCrossesTheLineBreak", kTwo, "Right*3", "4,4 @4", "0:1 0:2 1:0", nullptr},
    {"LeftCrossesTheLineBreak", kTwo, "sel=4,4 Left", "2,2 @2", "0:2", nullptr},
    {"RightAtTheVeryEndTellsNothing", kTwo, "sel=6,6 Right", "6,6 @6", "", nullptr},
    {"CtrlRightAtTheEndTellsTheDroppedSelection", kTwo, "sel=6,6 S-Left C-Right", "6,6 @6", "1:1 1:2", nullptr},
    {"CtrlShiftHomeThenShiftEnd", kTwo, "sel=6,6 C-S-Home S-End", "2,6 @2", "0:0 0:2", nullptr},
    {"ShiftRightSelects", "one two three", "sel=4,4 S-Right*2", "4,6 @6", "0:5 0:6", nullptr},
    {"LeftDropsASelectionAtItsStart", "one two three", "sel=4,4 S-Right*2 Left", "4,4 @4", nullptr, nullptr},
    {"RightDropsASelectionAtItsEnd", "one two three", "sel=4,4 S-Right*2 Right", "6,6 @6", nullptr, nullptr},
    {"ShiftLeftSelectsBackwards", "one two three", "sel=6,6 S-Left*2", "4,6 @4", nullptr, nullptr},
    {"CtrlRightDropsThenMovesAWord", "one two three", "sel=6,6 S-Left*2 C-Right", "8,8 @8", nullptr, nullptr},
    {"CtrlShiftMovesByWords", "one two three", "sel=8,8 C-S-Left C-S-Right*3", "8,13 @13", "0:4 0:8 0:13", nullptr},
    {"CtrlRightFollowsTheWordCharacters", kWords, "C-Right*6", "19,19 @19", "0:4 0:9 0:10 1:0 1:1 1:7", nullptr},
    {"CtrlLeftFollowsTheWordCharacters", kWords, "sel=25,25 C-Left*3", "12,12 @12", "2:0 1:7 1:0", nullptr},
    {"DownKeepsTheGoalColumn", kGoal, "sel=5,5 Down*4", "19,19 @19", "1:2 2:0 3:5 3:5", nullptr},
    {"UpOnTheFirstRowDropsTheSelection", kGoal, "sel=5,5 Down*3 S-Up*3 Up", "5,5 @5", nullptr, nullptr},
    {"AHorizontalMoveSetsANewGoal", kGoal, "sel=5,5 Left Down*3", "18,18 @18", "0:4 1:2 2:0 3:4", nullptr},
    {"PageDownKeepsTheScreenRow", kPage, "Down*2 PgDn", "98,98 @98", "1:0 2:0 12:0", "top 10 col 0 row 12"},
    {"ShiftPageUpKeepsTheScreenRow", kPage, "Down*2 PgDn S-PgUp", "16,98 @16", nullptr, "top 0 col 0 row 2"},
    {"CtrlKeysScrollAlone", kPage, "Down*2 C-Down*3 C-PgDn C-Up", "16,16 @16", "1:0 2:0", "top 12 col 0 row 2"},
    {"ACaretOutOfViewComesBack", kPage, "Down*2 C-Down*3 C-PgDn C-Up Down", "24,24 @24", nullptr, "top 0 col 0 row 3"},
    {"PagesInAShortDocumentGoToTheEnds", "one\r\ntwo\r\nthree", "sel=1,1 PgDn PgUp", "1,1 @1", "2:1 0:1", nullptr},
    // A selection dropped by these keys moves from its start, as a caret there would.
    {"UpFromADroppedSelection", kEights, "lines=40 sel=425,455 Up", "415,415 @415", nullptr, nullptr},
    {"DownFromADroppedSelection", kEights, "lines=40 sel=425,455 Down", "435,435 @435", nullptr, nullptr},
    {"PageUpFromADroppedSelection", kEights, "lines=40 sel=425,455 PgUp", "325,325 @325", nullptr, nullptr},
    {"PageDownFromADroppedSelection", kEights, "lines=40 sel=425,455 PgDn", "525,525 @525", nullptr, nullptr},
    {"HomeFromADroppedSelection", kEights, "lines=40 sel=425,455 Home", "420,420 @420", nullptr, nullptr},
    {"EndFromADroppedSelection", kEights, "lines=40 sel=425,455 End", "428,428 @428", nullptr, nullptr},
    {"EndStopsAtTheWrappedRowsEnd", kLong, "wrap End", "40,40 @40", nullptr, "top 0 col 0 row 0"},
    {"RightGoesOnToTheNextRow", kLong, "wrap End Right", "41,41 @41", nullptr, "top 0 col 0 row 1"},
    {"HomeGoesToTheRowsStart", kLong, "wrap End Right Home", "40,40 @40", nullptr, "top 0 col 0 row 1"},
    {"LeftGoesBackToTheRowAbove", kLong, "wrap End Right Home Left", "39,39 @39", nullptr, "top 0 col 0 row 0"},
    {"UpMovesByAVisualRow", kLong, "wrap End Right Home Left Right*2 Up", "1,1 @1", nullptr, nullptr},
    {"ShiftDownSelectsVisualRows", kLong, "wrap Right S-Down*2", "1,81 @81", nullptr, "top 0 col 0 row 2"},
    {"CtrlRightRunsToTheLogicalLineEnd", kLong, "wrap C-Right Right", "202,202 @202", "0:200 1:0", nullptr},
    {"CtrlLeftRunsToTheLogicalLineStart", kLong, "wrap sel=200,200 C-Left", "0,0 @0", "0:0", nullptr},
};
INSTANTIATE_TEST_SUITE_P(Keys, InputTest, ::testing::ValuesIn(kKeyCases), CaseName);

const std::string kHello = "hello world\r\nsecond line", kHits = "abcdef\r\n\r\nxy\tz";
const std::string kDelims = "x = a_b@c; y\r\nnext", kWide = std::string(300, 'r') + "\r\nshort";
const std::string kTwoWide = std::string(300, 'r') + "\r\n" + std::string(300, 's');

const InputCase kMouseCases[] = {
    {"AClickPlacesTheCaret", kHello, "press@3,0", "3,3 @3", "0:3", "top 0 col 0 row 0"},
    {"ADragSelects", kHello, "press@3,0 move@8,0 move@2,1", "3,15 @15", "0:3 0:8 1:2", nullptr},
    {"ADragBackPastTheAnchorThenUp", kHello, "press@3,0 move@8,0 move@2,1 move@1,0 release@1,0 move@9,0", "1,3 @1",
     "0:3 0:8 1:2 0:1", nullptr},
    {"AClickSetsTheGoalColumn", kHello, "press@30,0 release@30,0 Down", "24,24 @24", nullptr, nullptr},
    {"LeftHalfOfACharacterIsBeforeIt", kHits, "press@2.4,0", "2,2 @2", nullptr, nullptr},
    {"RightHalfOfACharacterIsAfterIt", kHits, "press@2.6,0", "3,3 @3", nullptr, nullptr},
    {"TheLeftMarginIsTheRowStart", kHits, "press@l,0", "0,0 @0", nullptr, nullptr},
    {"BeyondTheLineIsItsEnd", kHits, "press@30,0", "6,6 @6", nullptr, nullptr},
    {"AnEmptyLine", kHits, "press@5,1", "8,8 @8", nullptr, nullptr},
    {"PastTheMiddleOfATabIsAfterIt", kHits, "press@3.1,2", "13,13 @13", nullptr, nullptr},
    {"JustAfterACharacterIsBeforeATab", kHits, "press@2.1,2", "12,12 @12", nullptr, nullptr},
    {"BelowTheTextIsTheLastRow", kHits, "press@0,9", "10,10 @10", nullptr, nullptr},
    {"ADoubleClickSelectsTheWord", kDelims, "dbl@6,0", "4,9 @9", nullptr, nullptr},
    {"ADoubleClickAfterAWordSelectsIt", kDelims, "dbl@9,0", "4,9 @9", nullptr, nullptr},
    {"ADoubleClickBetweenDelimiters", kDelims, "dbl@10,0", "10,10 @10", nullptr, nullptr},
    {"ADoubleClickOnTheNextLine", kDelims, "dbl@2,1", "14,18 @18", nullptr, nullptr},
    {"DraggingBelowWaitsForTheTimer", kPage, "press@2,0 move@2,b", "2,2 @2", nullptr, "top 0 col 0 row 0 timer"},
    {"EachTimerStepScrollsARow", kPage, "press@2,0 move@2,b tick", "2,82 @82", nullptr, "top 1 col 0 row 10 timer"},
    {"BackInsideTheTimerStops", kPage, "press@2,0 move@2,b timer move@3,1", "2,19 @19", nullptr, "top 1 col 0 row 2"},
    {"DraggingAboveSelectsAboveTheAnchor", kPage, "lines=10 press@1,2 move@1,a timer*2", "65,99 @65", nullptr,
     "top 8 col 0 row 8 timer"},
    {"ReleasedOutsideTheSelectionStays", kPage, "lines=10 press@1,2 move@1,a timer*2 release@1,a", "65,99 @65",
     nullptr, "top 8 col 0 row 8"},
    {"AboveAViewAtTheTopFollowsTheTopRow", kPage, "press@3,3 move@2,a", "2,27 @2", nullptr, "top 0 col 0 row 0"},
    {"LosingTheCaptureEndsTheDrag", kPage, "press@1,1 move@1,b timer steal move@4,0", "9,81 @81", nullptr,
     "top 1 col 0 row 10"},
    {"DraggingRightWaitsForTheTimer", kWide, "press@2,0 move@r,0", "2,40 @40", nullptr, "top 0 col 0 row 0 timer"},
    {"EachTimerStepScrollsAColumn", kWide, "press@2,0 move@r,0 timer*2", "2,42 @42", nullptr,
     "top 0 col 2 row 0 timer"},
    {"AndBackToTheLeft", kWide, "press@2,0 move@r,0 timer*2 move@l,0 timer", "1,2 @1", nullptr,
     "top 0 col 1 row 0 timer"},
    {"DraggingRightOfAShortLineDoesNotScroll", "short\r\n" + std::string(300, 'r'), "press@2,0 move@r,0 timer*3",
     "2,5 @5", nullptr, "top 0 col 0 row 0 timer"},
    // A character cut by the right edge is shown by as few whole columns as it takes.
    {"AClickAtACutEdgeScrollsOneColumn", kTwoWide, "cut press@e,0 release@e,0", "40,40 @40", nullptr,
     "top 0 col 1 row 0"},
    {"ADragToACutEdgeWaitsForTheRelease", kTwoWide, "cut press@2,1 move@e,1", "304,342 @342", nullptr,
     "top 0 col 0 row 1"},
    {"ReleasedAtACutEdgeScrollsOneColumn", kTwoWide, "cut press@2,1 move@e,1 release@e,1", "304,342 @342", nullptr,
     "top 0 col 1 row 1"},
    {"AGutterClickSelectsTheWholeLine", "first\r\nsecond\r\nlast", "numbers press@g,1 release@g,1", "7,15 @15",
     nullptr, "top 0 col 0 row 2"},
    {"AGutterClickBelowTheTextSelectsTheLastLine", "first\r\nsecond\r\nlast", "numbers press@g,9", "15,19 @19",
     nullptr, nullptr},
    {"ShiftExtendsAGutterSelectionFromTheLineStart", "first\r\nsecond\r\nlast", "numbers press@g,9 S-Left",
     "15,18 @18", nullptr, nullptr},
    {"WithWrapAGutterClickSelectsEveryRowOfTheLine", "top\r\n" + kLong, "wrap numbers press@g,2", "5,207 @207",
     nullptr, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Mouse, InputTest, ::testing::ValuesIn(kMouseCases), CaseName);

const std::string kWideX = std::string(500, 'x') + "\r\nab";

const InputCase kScrollCases[] = {
    {"LineDownStopsAtTheLastFullPage", kPage, "vLineDown*200", "0,0 @0", nullptr, "top 90 col 0 row 0"},
    {"TopGoesBackToTheStart", kPage, "vLineDown*200 vTop", "0,0 @0", nullptr, "top 0 col 0 row 0"},
    {"PageDownStopsAtTheLastFullPage", kPage, "lines=85 vPageDown", "0,0 @0", nullptr, "top 90 col 0 row 0"},
    {"PageUp", kPage, "lines=90 vPageUp", "0,0 @0", nullptr, "top 80 col 0 row 0"},
    {"LineUp", kPage, "lines=80 vLineUp", "0,0 @0", nullptr, "top 79 col 0 row 0"},
    {"BottomIsTheLastFullPage", kPage, "vBottom", "0,0 @0", nullptr, "top 90 col 0 row 0"},
    {"LineScrollsClampAtTheTop", kPage, "lines=2 lines=-5", "0,0 @0", nullptr, "top 0 col 0 row 0"},
    {"LineScrollsClampAtTheEnd", kPage, "lines=2147483647", "0,0 @0", nullptr, "top 90 col 0 row 0"},
    {"AWheelStepScrollsARow", kPage, "lines=90 wheel", "0,0 @0", nullptr, "top 89 col 0 row 0"},
    {"HalfAWheelStepWaits", kPage, "lines=90 halfwheel", "0,0 @0", nullptr, "top 90 col 0 row 0"},
    {"TheCaretIsBroughtIntoView", kPage, "sel=500,500 show", "500,500 @500", "56:6", "top 50 col 0 row 56"},
    {"TheCaretIsBroughtBackToTheTop", kPage, "sel=500,500 show sel=0,0 show", "0,0 @0", "0:0", "top 0 col 0 row 0"},
    {"ColumnsScrollByLineAndPage", kWideX, "hLineRight hPageRight", "0,0 @0", nullptr, "top 0 col 41 row 0"},
    {"LeftGoesBackToTheFirstColumn", kWideX, "hLineRight hPageRight hLeft", "0,0 @0", nullptr, "top 0 col 0 row 0"},
    {"TheCaretColumnIsBroughtIntoView", kWideX, "sel=450,450 show", "450,450 @450", nullptr, "top 0 col 440 row 0"},
};
// A found match is shown page-aligned or centred, by lines or wrapped rows.
const InputCase kFindCases[] = {
    {"FoundPageAligned", kPage, "find=57", "508,510 @510", "57:7 57:7", "top 50 col 0 row 57"},
    {"FoundPageAlignedEvenWhenShown", kPage, "lines=52 find=57", "508,510 @510", "57:7 57:7", "top 50 col 0 row 57"},
    {"FoundCentred", kPage, "centre find=57", "508,510 @510", "57:7 57:7", "top 52 col 0 row 57"},
    {"FoundInWrappedRowsPageAligned", kPage, "wrap area=5,10 find=58", "517,519 @519", "58:7 58:7",
     "top 110 col 0 row 117"},
    {"FoundInWrappedRowsCentred", kPage, "wrap area=5,10 centre find=58", "517,519 @519", "58:7 58:7",
     "top 112 col 0 row 117"},
};
INSTANTIATE_TEST_SUITE_P(Find, InputTest, ::testing::ValuesIn(kFindCases), CaseName);

// Changes that break the rows again keep the caret, on the last row, in view
// and tell the parent where it is.
const std::string kFull = Lines(60, std::string(39, 'w')) + "\r\n";
const InputCase kLayoutCases[] = {
    {"Margins", kFull, "wrap sel=9999,9999 show margins=200,0", "2460,2460 @2460", "60:0 60:0",
     "top 410 col 0 row 420"},
    {"LineNumbers", kFull, "wrap sel=9999,9999 show numbers", "2460,2460 @2460", "60:0 60:0", "top 110 col 0 row 120"},
    {"ControlCharacters", kFull, "wrap sel=9999,9999 show controls", "2460,2460 @2460", "60:0 60:0",
     "top 110 col 0 row 120"},
    {"Font", kFull, "wrap sel=9999,9999 show font", "2460,2460 @2460", "60:0 60:0", "top 177 col 0 row 180"},
    {"NarrowerWindow", kFull, "wrap sel=9999,9999 show size=200,200", "2460,2460 @2460", "60:0 60:0",
     "top 103 col 0 row 120"},
};
INSTANTIATE_TEST_SUITE_P(LayoutChangeKeepsTheCaretInView, InputTest, ::testing::ValuesIn(kLayoutCases), CaseName);

INSTANTIATE_TEST_SUITE_P(Scroll, InputTest, ::testing::ValuesIn(kScrollCases), CaseName);

}  // namespace
}  // namespace velmo::test
