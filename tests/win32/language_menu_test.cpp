// The Language submenu, the notification-area menu and switching languages
// at run time on a real window with a real menu.
#include "settings/language_menu.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "language_test_support.h"
#include "resource_ids.h"
#include "settings/language_library.h"

namespace velmo {
namespace {

using test::DistFolder;
using test::FixtureFolder;
using test::MessageRecorder;
using test::ProgramFolder;

std::vector<std::string> calls;

void InsertRecent(HMENU) { calls.push_back("recent"); }
void WriteLanguage(std::uint32_t language) { calls.push_back("write " + std::to_string(language)); }
void RefreshStatus() { calls.push_back("status"); }

std::string MenuText(HMENU menu, UINT item, UINT flags) {
    char text[256] = {};
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

bool Checked(HMENU menu, UINT command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

class LanguageMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        for (const char* name : {"Czech", "English", "Slovak"}) {
            folder_.Add(DistFolder() + "Languages\\" + name + ".dll", std::string(name) + ".dll");
        }
        folder_.Add(FixtureFolder() + "Deutsch.dll", "Deutsch.dll");
        language_ = 10001;
        ASSERT_TRUE(StartLanguage(folder_.path(), &language_));
        window_ = CreateWindowA("STATIC", "Velmo 2", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                LoadMenuA(Language().module, MAKEINTRESOURCEA(IDR_MAINMENU)), nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(CreateExtraMenus(GetMenu(window_)));
    }
    void TearDown() override {
        DestroyWindow(window_);
        ReleaseLanguage();
    }

    // Language items by their text, with their commands.
    std::map<std::string, UINT> Items() {
        std::map<std::string, UINT> items;
        HMENU menu = LanguageMenu();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) items[MenuText(menu, i, MF_BYPOSITION)] = GetMenuItemID(menu, i);
        return items;
    }

    bool Switch(UINT command, const MenuChecks& checks = {}) {
        LanguageSwitchHooks hooks;
        hooks.insertRecentItems = InsertRecent;
        hooks.writeLanguage = WriteLanguage;
        hooks.refreshStatus = RefreshStatus;
        return SwitchLanguage(window_, folder_.path(), command, &language_, checks, hooks);
    }

    ProgramFolder folder_;
    MessageRecorder recorder_;
    std::uint32_t language_ = 0;
    HWND window_ = nullptr;
};

TEST_F(LanguageMenuTest, ExtraMenusCarryTheLibraryTexts) {
    HMENU tray = TrayMenu();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(GetMenuItemCount(tray), 2);
    EXPECT_EQ(MenuText(tray, IDM_TRAY_RESTORE, MF_BYCOMMAND), "&Restore");
    EXPECT_EQ(MenuText(tray, IDM_TRAY_LEAVE, MF_BYCOMMAND), "E&xit");
    // The Language submenu stands right in front of command 500.
    HMENU options = GetSubMenu(GetMenu(window_), 5);
    EXPECT_EQ(GetSubMenu(options, 0), LanguageMenu());
    EXPECT_EQ(MenuText(options, 0, MF_BYPOSITION), "&Language");
    EXPECT_EQ(GetMenuItemID(options, 1), static_cast<UINT>(IDM_STAY_ON_TOP));
    EXPECT_EQ(GetMenuItemCount(LanguageMenu()), 0);
}

TEST_F(LanguageMenuTest, RebuildListsEveryLibraryOnceAndChecksTheCurrentOne) {
    for (int round = 0; round < 3; ++round) {
        RebuildLanguageMenu(folder_.path());
        std::map<std::string, UINT> items = Items();
        ASSERT_EQ(items.size(), 4u);
        std::vector<bool> seen(4, false);
        for (const auto& [text, command] : items) {
            ASSERT_GE(command, 10000u);
            ASSERT_LT(command, 10004u);
            seen[command - 10000] = true;
            EXPECT_EQ(Checked(LanguageMenu(), command), text == "English") << text;
            EXPECT_EQ(std::string(Language().list.NameOf(command)), text + ".dll");
        }
        EXPECT_EQ(seen, std::vector<bool>(4, true));
    }
}

TEST_F(LanguageMenuTest, NoMemoryForTheListLeavesTheSubmenuEmptyUntilTheNextOpening) {
    RebuildLanguageMenu(folder_.path());
    SystemHeap().FailAfter(1);
    RebuildLanguageMenu(folder_.path());
    SystemHeap().FailAfter(0);
    EXPECT_EQ(GetMenuItemCount(LanguageMenu()), 0);
    EXPECT_EQ(Language().list.Count(), 0u);
    EXPECT_FALSE(Switch(10000));
    RebuildLanguageMenu(folder_.path());
    EXPECT_EQ(GetMenuItemCount(LanguageMenu()), 4);
}

// A library without a main menu still becomes the current language, but the
// window keeps the menu it has.
TEST_F(LanguageMenuTest, LibraryWithoutAMenuKeepsTheOldMenu) {
    folder_.Add(FixtureFolder() + "menuless.dll", "Bare.dll");
    RebuildLanguageMenu(folder_.path());
    HMENU menu = GetMenu(window_);
    ASSERT_TRUE(Switch(Items()["Bare"]));
    EXPECT_STREQ(Language().fileName, "Bare.dll");
    EXPECT_EQ(GetMenu(window_), menu);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetSubMenu(menu, 5), 0)), 5);  // the Language submenu is still there
    EXPECT_EQ(calls, (std::vector<std::string>{"write 10001", "status"}));
}

// The fourth library is loaded itself, not the file the saved-identifier
// mapping would give for its position; it is saved as English, the language
// a later start can bring back.
TEST_F(LanguageMenuTest, ChoosingAFourthLibraryLoadsThatFile) {
    RebuildLanguageMenu(folder_.path());
    UINT deutsch = Items()["Deutsch"];
    MenuChecks checks;
    checks.wordWrap = true;
    checks.centerAfterFind = true;
    ASSERT_TRUE(Switch(deutsch, checks));
    EXPECT_STREQ(Language().fileName, "Deutsch.dll");
    char untitled[64];
    LoadLanguageString(IDS_UNTITLED, untitled, sizeof untitled);
    EXPECT_STREQ(untitled, "Unbenannt");
    EXPECT_EQ(language_, 10001u);
    EXPECT_EQ(calls, (std::vector<std::string>{"recent", "write 10001", "status"}));

    HMENU menu = GetMenu(window_);
    EXPECT_TRUE(Checked(menu, IDM_WORD_WRAP));
    EXPECT_TRUE(Checked(menu, IDM_CENTER_AFTER_FIND));
    EXPECT_FALSE(Checked(menu, IDM_STATUS_BAR));
    EXPECT_EQ(GetSubMenu(GetSubMenu(menu, 5), 0), LanguageMenu());
    RebuildLanguageMenu(folder_.path());
    EXPECT_TRUE(Checked(LanguageMenu(), Items()["Deutsch"]));
    EXPECT_FALSE(Checked(LanguageMenu(), Items()["English"]));
    EXPECT_TRUE(MessageRecorder::Texts().empty());
}

TEST_F(LanguageMenuTest, SwitchingToSlovakGivesSlovakMenusAndSavesItsIdentifier) {
    RebuildLanguageMenu(folder_.path());
    ASSERT_TRUE(Switch(Items()["Slovak"]));
    EXPECT_EQ(language_, 10002u);
    EXPECT_EQ(MenuText(GetMenu(window_), 0, MF_BYPOSITION), "&S\xfa" "bor");
    char restore[64];
    LoadLanguageString(IDS_TRAY_RESTORE, restore, sizeof restore);
    EXPECT_EQ(MenuText(TrayMenu(), IDM_TRAY_RESTORE, MF_BYCOMMAND), restore);
    EXPECT_EQ(std::string(restore, 7), "&Obnovi");
}

// An identifier the last listing does not hold, or a library of the wrong
// version, changes nothing; the latter says so in the current language.
TEST_F(LanguageMenuTest, FailedSwitchKeepsTheOldLibraryAndMenu) {
    RebuildLanguageMenu(folder_.path());
    HMENU menu = GetMenu(window_);
    HMODULE module = Language().module;
    EXPECT_FALSE(Switch(10004));
    EXPECT_FALSE(Switch(9999));
    folder_.Add(FixtureFolder() + "version_1027.dll", "Old.dll");
    RebuildLanguageMenu(folder_.path());
    ASSERT_EQ(Items().size(), 5u);
    EXPECT_FALSE(Switch(Items()["Old"]));
    EXPECT_EQ(GetMenu(window_), menu);
    EXPECT_EQ(Language().module, module);
    EXPECT_STREQ(Language().fileName, "English.dll");
    EXPECT_EQ(language_, 10001u);
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(MessageRecorder::Texts().size(), 1u);
    EXPECT_EQ(MessageRecorder::Texts()[0], "Invalid version of the language file. Version 1.0.2.8 is required.");
}

}  // namespace
}  // namespace velmo
