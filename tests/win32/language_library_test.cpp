// Version checks, loading and the start-up fallback of language libraries.
#include "settings/language_library.h"

#include <gtest/gtest.h>

#include <string>

#include "language_test_support.h"
#include "resource_ids.h"

namespace velmo {
namespace {

using test::DistFolder;
using test::FixtureFolder;
using test::MessageRecorder;
using test::ProgramFolder;

std::string Built(const std::string& name) { return DistFolder() + "Languages\\" + name; }
std::string Fixture(const std::string& name) { return FixtureFolder() + name; }

class LanguageLibraryTest : public ::testing::Test {
protected:
    void TearDown() override {
        ReleaseLanguage();
        SystemHeap().FailAfter(0);
    }
    const std::vector<std::string>& messages() { return MessageRecorder::Texts(); }
    std::string CurrentString(UINT id) {
        char text[256];
        LoadLanguageString(id, text, sizeof text);
        return text;
    }
    MessageRecorder recorder_;
};

TEST_F(LanguageLibraryTest, BuiltLibrariesPassTheVersionCheck) {
    for (const char* name : test::kLanguageNames) {
        EXPECT_TRUE(CheckLibraryVersion(nullptr, Built(std::string(name) + ".dll").c_str())) << name;
    }
    EXPECT_TRUE(messages().empty());
}

// Older version, the value under another block, no version record, no file:
// all fail, and without a message of their own.
TEST_F(LanguageLibraryTest, OtherVersionsAndMissingValuesFailSilently) {
    for (const char* name : {"version_1027.dll", "wrong_block.dll", "no_version.dll", "missing.dll"}) {
        EXPECT_FALSE(CheckLibraryVersion(nullptr, Fixture(name).c_str())) << name;
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(LanguageLibraryTest, NoMemoryForTheVersionRecordFailsWithAMessage) {
    SystemHeap().FailAfter(1);
    EXPECT_FALSE(CheckLibraryVersion(nullptr, Built("English.dll").c_str()));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Not enough memory.");  // built-in: nothing loaded yet
    EXPECT_TRUE(CheckLibraryVersion(nullptr, Built("English.dll").c_str()));
}

TEST_F(LanguageLibraryTest, StartLoadsTheSavedLanguageThroughTheMapping) {
    ProgramFolder folder;
    for (const char* name : test::kLanguageNames) folder.Add(Built(std::string(name) + ".dll"), std::string(name) + ".dll");
    std::uint32_t language = 10002;
    ASSERT_TRUE(StartLanguage(folder.path(), &language));
    EXPECT_EQ(language, 10002u);
    EXPECT_STREQ(Language().fileName, "Slovak.dll");
    EXPECT_TRUE(Language().libraryLoaded);
    EXPECT_EQ(CurrentString(IDS_UNTITLED), "Bez n\xe1zvu");  // the bytes do not depend on the test's code page
    EXPECT_TRUE(messages().empty());
}

// A saved Slovak whose library is too old: the wrong-version box with the
// required version, then English, and Language becomes 10001.
TEST_F(LanguageLibraryTest, StartFallsBackToEnglishAfterAWrongVersion) {
    ProgramFolder folder;
    folder.Add(Fixture("version_1027.dll"), "Slovak.dll");
    folder.Add(Built("English.dll"), "English.dll");
    std::uint32_t language = 10002;
    ASSERT_TRUE(StartLanguage(folder.path(), &language));
    EXPECT_EQ(language, 10001u);
    EXPECT_STREQ(Language().fileName, "English.dll");
    EXPECT_EQ(CurrentString(IDS_UNTITLED), "Untitled");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Invalid Version of Language File. Version 1.0.2.8 is required.");
}

TEST_F(LanguageLibraryTest, StartEndsWhenEnglishItselfIsMissingOrTooOld) {
    {
        ProgramFolder empty;
        std::uint32_t language = 10001;
        EXPECT_FALSE(StartLanguage(empty.path(), &language));
        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[1], "Invalid Version of Defaut Language File. Version 1.0.2.8 is required.");
        EXPECT_FALSE(Language().libraryLoaded);
        EXPECT_EQ(Language().module, nullptr);
    }
    MessageRecorder::Texts().clear();
    ProgramFolder old;
    old.Add(Fixture("version_1027.dll"), "English.dll");
    std::uint32_t language = 10000;
    EXPECT_FALSE(StartLanguage(old.path(), &language));
    EXPECT_EQ(messages().size(), 2u);
}

// A program folder so long that the library path would pass 259 bytes is
// refused with the loading-error text instead of building a cut path.
TEST_F(LanguageLibraryTest, OverlongProgramFolderIsRefused) {
    std::string folder = "C:\\" + std::string(240, 'x') + "\\";
    EXPECT_EQ(LoadLanguageLibrary(nullptr, folder.c_str(), 10001), nullptr);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Language Library loading error.");
    EXPECT_EQ(Language().module, nullptr);
}

// Once a library is loaded, errors speak its language.
TEST_F(LanguageLibraryTest, AfterStartErrorsComeFromTheLibrary) {
    ProgramFolder folder;
    folder.Add(Built("English.dll"), "English.dll");
    folder.Add(Fixture("version_1027.dll"), "Old.dll");
    std::uint32_t language = 10001;
    ASSERT_TRUE(StartLanguage(folder.path(), &language));
    HMODULE english = Language().module;
    EXPECT_EQ(LoadLanguageFile(nullptr, folder.path(), "Old.dll"), nullptr);
    EXPECT_EQ(Language().module, english);
    EXPECT_STREQ(Language().fileName, "English.dll");
    SystemHeap().FailAfter(1);
    EXPECT_EQ(LoadLanguageFile(nullptr, folder.path(), "English.dll"), nullptr);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0], "Invalid version of the language file. Version 1.0.2.8 is required.");
    EXPECT_EQ(messages()[1], "Not enough memory.");
    EXPECT_EQ(messages()[2], messages()[0]);
}

}  // namespace
}  // namespace velmo
