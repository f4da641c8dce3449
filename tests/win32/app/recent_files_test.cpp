// The recent-file items of the real main window: built from the settings at
// start, kept across a language switch, cleared, and a missing file reported
// and kept. Their order is tested on the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/document_files.h"
#include "main_frame_fixture.h"
#include "resource_ids.h"

namespace velmo::test {
namespace {

constexpr int kOptionsMenu = 5;

class RecentFilesTest : public MainFrameTest {
protected:
    // The stored list before the window starts, most recent first.
    void StoreList(const std::vector<std::string>& paths) {
        Settings& s = App().settings;
        s.mruCount = static_cast<std::int32_t>(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i) BoundedCopy(s.recent.slots[i], kMaxPath, paths[i].c_str());
    }
    // The file menu from the place of the recent items up to command 310:
    // "command text" per item, "-" for a separator.
    static std::vector<std::string> RecentItems() {
        HMENU file = GetSubMenu(GetMenu(App().mainWindow), 0);
        std::vector<std::string> items;
        for (int i = 9; i < GetMenuItemCount(file) && GetMenuItemID(file, i) != IDM_HIDE_TO_TRAY; ++i) {
            std::string item = std::to_string(GetMenuItemID(file, i)) + " " + MenuText(file, i, MF_BYPOSITION);
            items.push_back((GetMenuState(file, i, MF_BYPOSITION) & MF_SEPARATOR) != 0 ? "-" : item);
        }
        return items;
    }
    bool ClearOffered() {
        OpenMenu(kOptionsMenu);
        return Enabled(IDM_CLEAR_RECENT);
    }
};

TEST_F(RecentFilesTest, StoredListShownAMissingFileReportedAndKeptThroughALanguageSwitchUntilCleared) {
    std::string a = WriteTestFile("a.txt", "A");
    std::string c = WriteTestFile("R&D c.txt", "C");
    std::string gone = folder.path() + "gone.txt";
    StoreList({a, gone, "", c});  // the third as read when its key is missing
    Start();
    const int fileItems = GetMenuItemCount(GetSubMenu(GetMenu(App().mainWindow), 0));
    const std::string shownC = folder.path() + "R&&D c.txt";
    const std::vector<std::string> stored = {"311 &0: " + a, "312 &1: " + gone, "313 &2: ", "314 &3: " + shownC, "-"};
    EXPECT_EQ(RecentItems(), stored);

    Type("draft");
    Answers() = {IDNO};
    Command(IDM_RECENT_FIRST + 1);
    ASSERT_EQ(Asked().size(), 2u);
    EXPECT_EQ(Asked()[1].text, "The file " + gone + " was not found.");
    EXPECT_EQ(RecentItems(), stored);
    EXPECT_EQ(IniValue("MruCount"), "<missing>");  // nothing changed, nothing written
    EXPECT_EQ(GetFocus(), App().editView);

    Command(IDM_RECENT_FIRST + 3);
    EXPECT_EQ(Text(), "C");
    EXPECT_EQ(Title(), "Velmo 2 - R&D c.txt");
    Command(LanguageCommand("Slovak"));
    EXPECT_EQ(RecentItems(), (std::vector<std::string>{"311 &0: " + shownC, "312 &1: " + a, "313 &2: " + gone,
                                                       "314 &3: ", "-"}));
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(App().mainWindow), 0)), fileItems);

    EXPECT_TRUE(ClearOffered());
    Command(IDM_CLEAR_RECENT);
    EXPECT_TRUE(RecentItems().empty());
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(App().mainWindow), 0)), fileItems - 5);
    EXPECT_FALSE(ClearOffered());
    // The list starts again with its separator.
    ASSERT_TRUE(LoadDocument(a.c_str()));
    EXPECT_EQ(RecentItems(), (std::vector<std::string>{"311 &0: " + a, "-"}));
    EXPECT_TRUE(ClearOffered());
}

// The save question before a recent file opens may save under a new name,
// which takes the oldest entry's slot: the file chosen is still the one
// opened.
TEST_F(RecentFilesTest, OldestEntryOpensEvenWhenTheQuestionSavesUnderANewName) {
    std::vector<std::string> paths;
    for (char c = '0'; c <= '9'; ++c) paths.push_back(WriteTestFile((std::string(1, c) + ".txt").c_str(), {c}));
    StoreList(paths);
    Start();
    Type("draft");
    Answers() = {IDYES};
    DialogChoice() = folder.path() + "draft.txt";
    Command(IDM_RECENT_LAST);
    EXPECT_EQ(FileBytes(DialogChoice()), "draft");
    EXPECT_EQ(Text(), "9");
    EXPECT_EQ(IniValue("MRU0"), paths[9]);
    EXPECT_EQ(IniValue("MRU1"), DialogChoice());
    EXPECT_EQ(IniValue("MRU9"), paths[7]);  // 8.txt and draft.txt took the two oldest slots
}

}  // namespace
}  // namespace velmo::test
