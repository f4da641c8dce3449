// The shipped set of libraries as a user first sees it.
#include <gtest/gtest.h>

#include <string>

#include "language_test_support.h"
#include "settings/language_library.h"
#include "settings/language_menu.h"

namespace velmo {
namespace {

// Czech, English and Slovak are listed as 10000, 10001 and 10002 (the folder
// is listed in name order), and English is checked at the first start.
TEST(LanguageListingTest, ShippedLibrariesGetTheSavedIdentifiers) {
    test::ProgramFolder folder;
    for (const char* name : {"Slovak", "English", "Czech"}) {
        folder.Add(test::DistFolder() + "Languages\\" + name + ".dll", std::string(name) + ".dll");
    }
    std::uint32_t language = 10001;
    ASSERT_TRUE(StartLanguage(folder.path(), &language));
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 500, "Stay on top");
    ASSERT_TRUE(CreateExtraMenus(bar));
    RebuildLanguageMenu(folder.path());
    HMENU menu = LanguageMenu();
    const char* expected[] = {"Czech", "English", "Slovak"};
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (int i = 0; i < 3; ++i) {
        char text[64];
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, expected[i]);
        EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(10000 + i));
        EXPECT_EQ((GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0, i == 1);
    }
    DestroyMenu(bar);
    ReleaseLanguage();
}

}  // namespace
}  // namespace velmo
