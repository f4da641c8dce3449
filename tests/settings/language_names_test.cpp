#include "settings/language_names.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text_utils.h"

namespace velmo {
namespace {

TEST(LanguageNamesTest, SavedIdentifiersMapToTheirFilesAndBack) {
    EXPECT_STREQ(MappedLibraryName(10000), "Czech.dll");
    EXPECT_STREQ(MappedLibraryName(10001), "English.dll");
    EXPECT_STREQ(MappedLibraryName(10002), "Slovak.dll");
    for (std::uint32_t other : {0u, 9999u, 10003u, 19999u, 0xFFFFFFFFu}) {
        EXPECT_STREQ(MappedLibraryName(other), "English.dll") << other;
    }
    for (std::uint32_t id : {10000u, 10001u, 10002u}) {
        EXPECT_EQ(SavedLanguageFor(MappedLibraryName(id)), id);
    }
    // Any letter case of a known file, and unknown files, which a start can
    // only bring back as English.
    EXPECT_EQ(SavedLanguageFor("sLOVAK.DLL"), 10002u);
    EXPECT_EQ(SavedLanguageFor("czech.dll"), 10000u);
    EXPECT_EQ(SavedLanguageFor("Deutsch.dll"), 10001u);
    EXPECT_EQ(SavedLanguageFor("Slovak.dll.bak"), 10001u);
    EXPECT_EQ(SavedLanguageFor(""), 10001u);
}

TEST(LanguageNamesTest, SameFileNameFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(SameFileName("English.dll", "ENGLISH.DLL"));
    EXPECT_TRUE(SameFileName("AZ.dll", "az.dll"));  // both ends of the letter range
    EXPECT_TRUE(SameFileName("", ""));
    EXPECT_FALSE(SameFileName("English.dll", "English.dl"));
    EXPECT_FALSE(SameFileName("English", "English.dll"));
    EXPECT_FALSE(SameFileName("@", "`"));  // neighbours of the letter ranges
    EXPECT_FALSE(SameFileName("[", "{"));
}

TEST(LanguageNamesTest, PathsAreFolderSubfolderAndName) {
    char path[kMaxPath];
    ASSERT_TRUE(BuildLibraryPath(path, sizeof path, "C:\\Velmo\\", "Slovak.dll"));
    EXPECT_STREQ(path, "C:\\Velmo\\Languages\\Slovak.dll");
    ASSERT_TRUE(BuildLibraryPattern(path, sizeof path, "C:\\Velmo\\"));
    EXPECT_STREQ(path, "C:\\Velmo\\Languages\\*.dll");
    ASSERT_TRUE(BuildLibraryPath(path, sizeof path, "", "English.dll"));
    EXPECT_STREQ(path, "Languages\\English.dll");
}

TEST(LanguageNamesTest, HelpIsSlovakForSlovakAndCzechOnly) {
    char path[kMaxPath];
    const std::pair<std::uint32_t, const char*> cases[] = {
        {10000, "D:\\Help\\Slovak.chm"}, {10001, "D:\\Help\\English.chm"},
        {10002, "D:\\Help\\Slovak.chm"}, {10003, "D:\\Help\\English.chm"},
        {0, "D:\\Help\\English.chm"}};
    for (const auto& [language, expected] : cases) {
        ASSERT_TRUE(BuildHelpPath(path, sizeof path, "D:\\", language));
        EXPECT_STREQ(path, expected) << language;
    }
}

// Every path is refused, not cut, when it would pass 259 characters; the
// longest path that fits is accepted.
TEST(LanguageNamesTest, OverlongPathsAreRefusedAtTheExactLimit) {
    char path[kMaxPath];
    const std::string name = "Slovak.dll";
    const std::size_t fixed = std::string("Languages\\").size() + name.size();
    std::string folder(kMaxPath - 1 - fixed, 'f');
    ASSERT_TRUE(BuildLibraryPath(path, sizeof path, folder.c_str(), name.c_str()));
    EXPECT_EQ(std::string(path).size(), kMaxPath - 1);
    folder += 'f';
    EXPECT_FALSE(BuildLibraryPath(path, sizeof path, folder.c_str(), name.c_str()));
    EXPECT_STREQ(path, "");

    std::string helpFolder(kMaxPath - 1 - std::string("Help\\English.chm").size(), 'h');
    EXPECT_TRUE(BuildHelpPath(path, sizeof path, helpFolder.c_str(), 10001));
    EXPECT_FALSE(BuildHelpPath(path, sizeof path, (helpFolder + "h").c_str(), 10001));
    EXPECT_STREQ(path, "");
    // Slovak.chm is one byte shorter than English.chm and fits the same folder.
    EXPECT_TRUE(BuildHelpPath(path, sizeof path, (helpFolder + "h").c_str(), 10002));

    char tiny[4] = "xyz";
    EXPECT_FALSE(BuildLibraryPattern(tiny, sizeof tiny, ""));
    EXPECT_STREQ(tiny, "");
}

TEST(LanguageNamesTest, MenuTextDropsTheExtension) {
    char text[kMaxPath];
    ASSERT_TRUE(LanguageMenuText(text, sizeof text, "Slovak.dll"));
    EXPECT_STREQ(text, "Slovak");
    ASSERT_TRUE(LanguageMenuText(text, sizeof text, "a.dl"));
    EXPECT_STREQ(text, "");
    ASSERT_TRUE(LanguageMenuText(text, sizeof text, ".d"));
    EXPECT_STREQ(text, "");
    char small[4];
    EXPECT_TRUE(LanguageMenuText(small, sizeof small, "Abc.dll"));
    EXPECT_STREQ(small, "Abc");
    EXPECT_FALSE(LanguageMenuText(small, sizeof small, "Abcd.dll"));
    EXPECT_STREQ(small, "");
}

}  // namespace
}  // namespace velmo
