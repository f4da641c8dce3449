// Keys, the left mouse button and scroll messages through the real control,
// played from a script with its checks (see EditViewTest::Play) on a text
// area of 40 columns by 10 rows: the selection, what the parent was told,
// where the view is and what the scroll bars show.
#include <string>

#include "test_window.h"

namespace velmo::test {
namespace {

struct InputCase {
    const char* name;
    std::string text;
    std::string script;
};

class InputTest : public EditViewTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputTest, EndsWhereExpected) {
    SetText(GetParam().text);
    PumpMessages();
    Log().Clear();
    Play(GetParam().script);
}

std::string CaseName(const ::testing::TestParamInfo<InputCase>& info) { return info.param.name; }

const std::string kTwo = "ab\r\ncd", kWords = "foo(bar) x\r\n a_b@c.d\r\n ab", kGoal = "abcdef\r\nab\r\n\r\nabcdefgh";
const std::string kLong = std::string(200, 'w') + "\r\nend", kPage = Lines(100), kEights = Lines(100, "abcdefgh");
const std::string kHello = "hello world\r\nsecond line", kHits = "abcdef\r\n\r\nxy\tz";
const std::string kDelims = "x = a_b@c; y\r\nnext", kWide = std::string(300, 'r') + "\r\nshort";
const std::string kTwoWide = std::string(300, 'r') + "\r\n" + std::string(300, 's');
const std::string kNumbered = "first\r\nsecond\r\nlast";
const std::string kWideX = std::string(500, 'x') + "\r\nab";
const std::string kWidest = std::string(500, 'x') + "\r\n" + std::string(200, 'y') + "\r\n" + Lines(98);
const std::string kFull = Lines(60, std::string(39, 'w')) + "\r\n", kLastShown = "wrap sel=9999,9999 show ";

const InputCase kCases[] = {
    {"CaretKeysAtTheEndsAndOverTheBreak", kTwo,
     "Left =0 told=0:0 Right*3 =4 told=0:1,0:2,1:0 sel=4,4 Left =2 told=0:2 sel=6,6 Right =6 told= "
     "S-Left C-Right =6 told=1:1,1:2 C-S-Home S-End =2,6@2 told=0:0,0:2"},
    {"ShiftSelectsAndAMoveDropsTheSelection", "one two three",
     "sel=4,4 S-Right*2 =4,6@6 told=0:5,0:6 Left =4 sel=4,4 S-Right*2 Right =6 sel=6,6 S-Left*2 =4,6@4 "
     "C-Right =8 sel=8,8 C-S-Left C-S-Right*3 =8,13@13 told=0:4,0:8,0:13"},
    {"CtrlFollowsTheWordCharacters", kWords,
     "C-Right*6 =19 told=0:4,0:9,0:10,1:0,1:1,1:7 sel=25,25 C-Left*3 =12 told=2:0,1:7,1:0"},
    // Up and Down keep the goal column until a horizontal move sets a new one.
    {"VerticalMovesKeepTheGoalColumn", kGoal,
     "sel=5,5 Down*4 =19 told=1:2,2:0,3:5,3:5 sel=5,5 Down*3 S-Up*3 Up =5 sel=5,5 Left Down*3 =18 "
     "told=0:4,1:2,2:0,3:4"},
    {"PagesKeepTheScreenRowAndCtrlScrollsAlone", kPage,
     "Down*2 PgDn =98 told=1:0,2:0,12:0 view=10,0,12 S-PgUp =16,98@16 view=0,0,2 sel=0,0 Down*2 C-Down*3 C-PgDn "
     "C-Up =16 told=1:0,2:0 view=12,0,2 Down =24 view=0,0,3"},
    {"PagesInAShortDocumentGoToTheEnds", "one\r\ntwo\r\nthree", "sel=1,1 PgDn PgUp =1 told=2:1,0:1"},
    // A selection dropped by these keys moves from its start, as a caret there would.
    {"VerticalAndLineKeysMoveFromTheStartOfADroppedSelection", kEights,
     "lines=40 sel=425,455 Up =415 vTop lines=40 sel=425,455 Down =435 vTop lines=40 sel=425,455 PgUp =325 "
     "vTop lines=40 sel=425,455 PgDn =525 vTop lines=40 sel=425,455 Home =420 sel=425,455 End =428"},
    {"KeysMoveByWrappedRows", kLong,
     "wrap End =40 view=0,0,0 Right =41 view=0,0,1 Home =40 view=0,0,1 Left =39 view=0,0,0 Right*2 Up =1 "
     "sel=0,0 Right S-Down*2 =1,81@81 view=0,0,2"},
    {"CtrlRunsToTheLogicalLineEnds", kLong, "wrap C-Right Right =202 told=0:200,1:0 sel=200,200 C-Left =0 told=0:0"},
    // The left mouse button.
    {"AClickPlacesTheCaretAndADragSelects", kHello,
     "press@3,0 =3 told=0:3 view=0,0,0 move@8,0 move@2,1 =3,15@15 told=0:8,1:2 move@1,0 release@1,0 move@9,0 "
     "=1,3@1 told=0:1 click@30,0 Down =24"},
    // Half of a character, a margin, a tab, an empty line and the space below the text.
    {"APointHitsTheNearestBoundary", kHits,
     "click@2.4,0 =2 click@2.6,0 =3 click@l,0 =0 click@30,0 =6 click@5,1 =8 click@3.1,2 =13 click@2.1,2 =12 "
     "click@0,9 =10"},
    {"ADoubleClickSelectsTheWord", kDelims, "dbl@6,0 =4,9@9 dbl@9,0 =4,9@9 dbl@10,0 =10 dbl@2,1 =14,18@18"},
    {"DraggingBelowScrollsARowEachTimerStep", kPage,
     "press@2,0 move@2,b =2 view=0,0,0,timer tick =2,82@82 view=1,0,10,timer"},
    {"BackInsideTheTimerStops", kPage, "press@2,0 move@2,b timer move@3,1 =2,19@19 view=1,0,2"},
    {"DraggingAboveSelectsAboveTheAnchor", kPage,
     "lines=10 press@1,2 move@1,a timer*2 =65,99@65 view=8,0,8,timer release@1,a =65,99@65 view=8,0,8"},
    {"AboveAViewAtTheTopFollowsTheTopRow", kPage, "press@3,3 move@2,a =2,27@2 view=0,0,0"},
    {"LosingTheCaptureEndsTheDrag", kPage, "press@1,1 move@1,b timer steal move@4,0 =9,81@81 view=1,0,10"},
    {"DraggingRightScrollsAColumnEachTimerStep", kWide,
     "press@2,0 move@r,0 =2,40@40 view=0,0,0,timer timer*2 =2,42@42 view=0,2,0,timer move@l,0 timer =1,2@1 "
     "view=0,1,0,timer"},
    {"DraggingRightOfAShortLineDoesNotScroll", "short\r\n" + std::string(300, 'r'),
     "press@2,0 move@r,0 timer*3 =2,5@5 view=0,0,0,timer"},
    // A character cut by the right edge is shown by as few whole columns as it takes.
    {"AClickAtACutEdgeScrollsOneColumn", kTwoWide, "cut click@e,0 =40 view=0,1,0"},
    {"ADragToACutEdgeScrollsOneColumnWhenReleased", kTwoWide,
     "cut press@2,1 move@e,1 =304,342@342 view=0,0,1 release@e,1 =304,342@342 view=0,1,1"},
    {"AGutterClickSelectsTheWholeLine", kNumbered,
     "numbers click@g,1 =7,15@15 view=0,0,2 press@g,9 =15,19@19 S-Left =15,18@18"},
    {"WithWrapAGutterClickSelectsEveryRowOfTheLine", "top\r\n" + kLong, "wrap numbers press@g,2 =5,207@207"},
    // Scroll messages and the scroll bars.
    {"ScrollsStopAtTheEndsAndLeaveTheCaret", kPage,
     "vLineDown*200 view=90,0,0 vTop view=0,0,0 lines=85 vPageDown view=90,0,0 vPageUp view=80,0,0 vLineUp "
     "view=79,0,0 vBottom view=90,0,0 vTop lines=2 lines=-5 view=0,0,0 lines=2147483647 view=90,0,0 wheel "
     "view=89,0,0 halfwheel view=89,0,0 =0"},
    {"ColumnsScrollByLineAndPage", kWideX,
     "hLineRight hPageRight view=0,41,0 hLeft view=0,0,0 sel=450,450 show =450 view=0,440,0"},
    // The horizontal range follows the widest line as it goes, shrinks and comes back.
    {"TheBarsFollowTheLastFullPageAndTheWidestLine", kWidest,
     "vBottom vbar=90,99,10 hmax=499 sel=0,502 clear hmax=199 sel=50,150 clear hmax=99 sel=104,104 type=c "
     "hmax=99 undo undo hmax=199 undo hmax=499"},
    // A found match is shown page-aligned or centred, by lines or wrapped rows.
    {"FoundPageAlignedEvenWhenShown", kPage, "lines=52 find=57 =508,510@510 told=57:7,57:7 view=50,0,57"},
    {"FoundInWrappedRowsPageAligned", kPage, "wrap area=5,10 find=58 =517,519@519 told=58:7,58:7 view=110,0,117"},
    {"FoundInWrappedRowsCentred", kPage, "wrap area=5,10 centre find=58 =517,519@519 told=58:7,58:7 view=112,0,117"},
    // Changes that break the rows again keep the caret, on the last row, in
    // view and tell the parent where it is.
    {"MarginsKeepTheCaretInView", kFull, kLastShown + "margins=200,0 =2460 told=60:0,60:0 view=410,0,420"},
    {"LineNumbersKeepTheCaretInView", kFull, kLastShown + "numbers =2460 told=60:0,60:0 view=110,0,120"},
    {"ControlCharactersKeepTheCaretInView", kFull, kLastShown + "controls =2460 told=60:0,60:0 view=110,0,120"},
    {"FontKeepsTheCaretInView", kFull, kLastShown + "font =2460 told=60:0,60:0 view=177,0,180"},
    {"NarrowerWindowKeepsTheCaretInView", kFull, kLastShown + "size=200,200 =2460 told=60:0,60:0 view=103,0,120"},
};
INSTANTIATE_TEST_SUITE_P(Input, InputTest, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
}  // namespace velmo::test
