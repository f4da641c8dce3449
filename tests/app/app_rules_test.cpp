// The main window's rules that need no window: paths, titles, status texts,
// dialog placement and the line number a user types.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "app/code_pages.h"
#include "app/dialog_rules.h"
#include "app/program_paths.h"
#include "app/status_text.h"
#include "app/title_rules.h"

namespace velmo {
namespace {

TEST(ProgramPathsTest, DerivedFromTheModuleAndRefusedWhenOneWouldNotFit) {
    ProgramPaths p;
    ASSERT_TRUE(DeriveProgramPaths("C:\\Tools\\Velmo\\Velmo.exe", &p));
    EXPECT_STREQ(p.folder, "C:\\Tools\\Velmo\\");
    EXPECT_STREQ(p.help, "C:\\Tools\\Velmo\\Help\\");
    EXPECT_STREQ(p.settings, "C:\\Tools\\Velmo\\Velmo.ini");
    EXPECT_STREQ(p.languages, "C:\\Tools\\Velmo\\Languages\\");
    // A folder of 250 bytes: "Velmo.ini" still fits (259), "Languages\" does not (260).
    std::string folder = "C:\\" + std::string(246, 'd') + "\\";
    EXPECT_FALSE(DeriveProgramPaths((folder + "Velmo.exe").c_str(), &p));
    EXPECT_STREQ(p.settings, "C:\\Tools\\Velmo\\Velmo.ini");  // nothing half-derived is handed out
    ASSERT_TRUE(DeriveProgramPaths((folder.substr(1) + "V.exe").c_str(), &p));
    EXPECT_EQ(std::string(p.languages).size(), 259u);
    EXPECT_FALSE(DeriveProgramPaths(std::string(400, 'x').c_str(), &p));
    EXPECT_EQ(CharsetForCodePage(1251, 0), 204);
    EXPECT_EQ(CharsetForCodePage(437, 238), 238);  // an unknown page keeps the current set
}

TEST(TitleRulesTest, MarkFollowsModifiedPlaybackAndUntitledEmptiness) {
    char buffer[kTitleBufferSize];
    BuildTitleBuffer(buffer, "notes.txt");
    EXPECT_STREQ(buffer, "* Velmo 2 - notes.txt");
    EXPECT_STREQ(buffer + kPlainTitleOffset, "Velmo 2 - notes.txt");
    BuildTitleBuffer(buffer, std::string(400, 'n').c_str());
    EXPECT_EQ(std::string(buffer).size(), kTitleBufferSize - 1);
    const struct {
        TitleState state;
        bool marked, clear;
    } cases[] = {
        {{false, false, false, true}, false, false},  // not modified
        {{true, true, false, true}, false, false},    // playback types without a mark
        {{true, false, false, false}, true, false},   // named: marked even when empty
        {{true, false, true, true}, true, false},     // untitled with text
        {{true, false, true, false}, false, true},    // untitled and emptied again
    };
    for (const auto& c : cases) {
        TitleChoice choice = ChooseTitle(c.state);
        EXPECT_EQ(choice.marked, c.marked);
        EXPECT_EQ(choice.clearModified, c.clear);
    }
}

TEST(StatusTextTest, NumbersAreGroupedAndTextsStayInTheirBuffer) {
    char text[64];
    ASSERT_TRUE(FormatPositionText(text, sizeof text, "Line %s, column %s, selected %s", 1234567, 999, 1000));
    EXPECT_STREQ(text, "Line 1 234 567, column 999, selected 1 000");
    EXPECT_FALSE(FormatPositionText(text, 16, "Line %s, column %s, selected %s", 1234567, 1, 0));
    ASSERT_TRUE(FormatLineCountText(text, sizeof text, "Lines: %", 4294967295u));
    EXPECT_STREQ(text, "Lines: 4 294 967 295");
    ASSERT_TRUE(FormatCharacterText(text, sizeof text, "Character: %u (0x%02X)", 0xE9));
    EXPECT_STREQ(text, "Character: 233 (0xE9)");
    ASSERT_TRUE(FormatCodePageText(text, sizeof text, "1251"));
    EXPECT_STREQ(text, " CP: 1251");
    EXPECT_FALSE(FormatCodePageText(text, 6, "1251"));
}

// Halves rounded down; a dialog larger than its owner hangs over both sides;
// no rectangle overflows. A line number lies between one and the line count.
TEST(DialogRulesTest, CentredOverTheOwnerAndLineNumbersInRange) {
    Point32 p = CenteredOrigin({100, 50, 951, 582}, {0, 0, 300, 121});
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(100 + (851 - 300) / 2, 50 + (532 - 121) / 2));
    p = CenteredOrigin({100, 100, 200, 150}, {0, 0, 301, 91});
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(100 - (301 - 100) / 2, 100 - (91 - 50) / 2));
    p = CenteredOrigin({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 10, 10});
    EXPECT_EQ(p.x, -6);  // INT_MIN + (4 294 967 295 - 10) / 2
    std::uint32_t line = 0;
    EXPECT_TRUE(ParseLineNumber("1", 5, &line) && line == 1);
    EXPECT_TRUE(ParseLineNumber("5", 5, &line) && line == 5);
    for (const char* bad : {"0", "6", "", "1x"}) EXPECT_FALSE(ParseLineNumber(bad, 5, &line)) << bad;
}

}  // namespace
}  // namespace velmo
