// The Tools and conversion commands on the real main window: each rewrites
// the control's current selection in one step, and one undo brings the
// bytes back. The transforms themselves are tested on the host.
#include <gtest/gtest.h>

#include <string>

#include "editview/editview_messages.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

using namespace std::string_literals;

class TextToolsTest : public MainFrameTest {};

struct CommandCase {
    const char* name;
    unsigned command;
    std::string text;
    DWORD start, end;  // the selection the tool works on
    std::string expected;
    DWORD selectedStart, selectedEnd;  // the selection it leaves
};

// The selections hold NUL bytes and stop short of the document's ends, so a
// text cut at NUL or a stale range would show in the bytes.
const CommandCase kCommands[] = {
    {"lower", IDM_LOWER_CASE, "XAB\0C\xC9Y"s, 1, 6, "Xab\0c\xE9Y"s, 1, 6},
    {"invert", IDM_INVERT_CASE, "-aB1\xE9\xC9\0-"s, 1, 7, "-Ab1\xC9\xE9\0-"s, 1, 7},
    {"reverse", IDM_REVERSE, "-ab\r\nc\0-"s, 1, 7, "-\0c\r\nba-"s, 1, 7},
    {"paragraphs", IDM_TAG_PARAGRAPH, "-a\r\n\r\nb-", 1, 7, "-<p>a</p>\r\n<p>b</p>-", 1, 19},
    {"bold_empty", IDM_TAG_BOLD, "ab", 1, 1, "a<b></b>b", 4, 4},
    {"italic", IDM_TAG_ITALIC, "a\0b"s, 0, 3, "<i>a\0b</i>"s, 0, 10},
    {"remove_tags", IDM_REMOVE_TAGS, "-x<b>\0y</b>z-"s, 1, 12, "-x\0yz-"s, 1, 5},
};

std::string NowAsTheToolWrites() {
    char time[128];
    char date[128];
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time);
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, date, sizeof date);
    return std::string(time) + " " + date;
}

// Each command but upper case (see the failure table's last row), then the
// time and date; memory running out is that row's part too.
TEST_F(TextToolsTest, EachCommandRewritesTheSelectionInOneUndoStep) {
    ASSERT_EQ(GetACP(), 1252u) << "the accented letters below are code page 1252";
    Start();
    auto expectOneUndoRestores = [this](const std::string& original) {
        EXPECT_EQ(Edit(EM_CANUNDO), 1);
        Edit(EM_UNDO);
        EXPECT_EQ(Text(), original);
        EXPECT_EQ(Edit(EM_CANUNDO), 0);
    };
    for (const CommandCase& c : kCommands) {
        SCOPED_TRACE(c.name);
        SetText(c.text);
        Edit(EM_SETSEL, c.start, c.end);
        App().selectionStart = 0;  // a stale copy: the tool must ask the control
        App().selectionEnd = static_cast<std::uint32_t>(c.text.size());
        Command(c.command);
        EXPECT_EQ(Text(), c.expected);
        EXPECT_EQ(Selection(), std::make_pair(c.selectedStart, c.selectedEnd));
        EXPECT_EQ(App().selectionEnd, c.selectedEnd);  // the main window heard of it
        expectOneUndoRestores(c.text);
    }
    EXPECT_TRUE(Asked().empty());

    SetText("[sel]");
    Edit(EM_SETSEL, 1, 4);
    std::string before = NowAsTheToolWrites();
    Command(IDM_TIME_DATE);
    std::string after = NowAsTheToolWrites();  // the minute may turn meanwhile
    std::string text = Text();
    EXPECT_TRUE(text == "[" + before + "]" || text == "[" + after + "]") << text;
    EXPECT_EQ(text.find(':'), text.rfind(':')) << "no seconds";
    auto caret = static_cast<DWORD>(text.size() - 1);
    EXPECT_EQ(Selection(), std::make_pair(caret, caret));  // typing goes on behind it
    expectOneUndoRestores("[sel]");
}

}  // namespace
}  // namespace velmo::test
