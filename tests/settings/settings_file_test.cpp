#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "memory_profile.h"
#include "settings_compare.h"
#include "settings/option_settings.h"

namespace velmo {
namespace {

constexpr std::int32_t kScreenWidth = 1920;
constexpr std::int32_t kScreenHeight = 1080;

Settings Loaded(MemoryProfile& file) {
    Settings s;
    std::memset(&s, 0x5A, sizeof s);  // nothing may survive from before
    LoadSettings(s, file, kScreenWidth, kScreenHeight);
    return s;
}

TEST(LoadSettingsTest, EmptyFileGivesEveryDefault) {
    MemoryProfile file;
    ExpectSameSettings(Loaded(file), DefaultSettings());
}

TEST(LoadSettingsTest, GarbageHugeAndMinusOneKeepTheDefault) {
    const std::string unusable[] = {"",   "abc", "12abc", "4294967296", "99999999999999999999999", "-1",
                                    "4294967295", "0x10", "--3", "1e3", std::string(200, '7')};
    for (const std::string& text : unusable) {
        MemoryProfile file;
        for (const IntKey& key : kIntKeys) file.values[key.name] = text;
        ExpectSameSettings(Loaded(file), DefaultSettings());
    }
}

TEST(LoadSettingsTest, StoredFormatAndDocumentedCorrections) {
    MemoryProfile file;
    file.values = {{"FontHeight", "4294967283"}, {"Weight", "700"},     {"x", "-5"},
                   {"Width", "5000"},            {"Language", "7"},     {"PaddingAbove", "4294967295"},
                   {"PaddingBelow", "5000"},     {"LeftMargin", "-20"}, {"RightMargin", " 12 "},
                   {"SelColor", "255"},          {"Wrap", "1"},         {"Italic", "300"}};
    Settings s = Loaded(file);
    EXPECT_EQ(s.fontHeight, -13);
    EXPECT_EQ(s.weight, 700);
    EXPECT_EQ(s.x, 120);
    EXPECT_EQ(s.width, 770);
    EXPECT_EQ(s.language, 10001);
    EXPECT_EQ(s.paddingAbove, 0);  // -1 means the default
    EXPECT_EQ(s.paddingBelow, 1000);
    EXPECT_EQ(s.leftMargin, 0);
    EXPECT_EQ(s.rightMargin, 12);
    EXPECT_EQ(s.selColor, 255);
    EXPECT_EQ(s.wrap, 1);
    EXPECT_EQ(s.italic, 0);
}

TEST(LoadSettingsTest, FaceNameSearchTextsAndRecentPathsAreBounded) {
    MemoryProfile file;
    file.values["Name"] = std::string(32, 'N');
    file.values["FindString"] = std::string(5000, 'f');
    file.values["ReplaceString"] = std::string(259, 'r');
    file.values["MruCount"] = "25";
    file.values["MRU0"] = "C:\\first.txt";
    file.values["MRU1"] = std::string(260, 'p');
    file.values["MRU2"] = std::string(259, 'q');
    file.values["MRU9"] = "C:\\last.txt";
    Settings s = Loaded(file);
    EXPECT_STREQ(s.fontName, "Lucida Console");
    EXPECT_EQ(std::string(s.findString), std::string(259, 'f'));
    EXPECT_EQ(std::string(s.replaceString), std::string(259, 'r'));
    ASSERT_EQ(s.mruCount, 10);
    EXPECT_STREQ(RecentEntry(s, 0), "C:\\first.txt");
    EXPECT_STREQ(RecentEntry(s, 1), "");  // a cut path would name another file
    EXPECT_EQ(std::string(RecentEntry(s, 2)), std::string(259, 'q'));
    EXPECT_STREQ(RecentEntry(s, 3), "");
    EXPECT_STREQ(RecentEntry(s, 9), "C:\\last.txt");

    file.values["Name"] = std::string(31, 'N');
    file.values["MruCount"] = "2";
    s = Loaded(file);
    EXPECT_EQ(std::string(s.fontName), std::string(31, 'N'));
    EXPECT_EQ(s.mruCount, 2);
    EXPECT_STREQ(RecentEntry(s, 2), "");  // beyond the count nothing is read
}

// A random valid record with texts that the profile functions would change
// if they were written plainly.
Settings RandomSettings(std::mt19937& random) {
    Settings s = DefaultSettings();
    auto between = [&](std::int64_t lo, std::int64_t hi) {
        return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(random() % (hi - lo + 1)));
    };
    for (const IntKey& key : kIntKeys) s.*key.member = between(key.min, key.max);
    s.x = between(0, kScreenWidth);
    s.y = between(0, kScreenHeight);
    s.width = between(0, kScreenWidth - s.x);
    s.height = between(0, kScreenHeight - s.y);
    const char alphabet[] = " \t\"'abc;=[]\\\xe9\x01";
    auto text = [&](char* dst, std::size_t size) {
        std::size_t n = random() % size;
        for (std::size_t i = 0; i < n; ++i) dst[i] = alphabet[random() % (sizeof alphabet - 1)];
        dst[n] = '\0';
    };
    text(s.fontName, sizeof s.fontName);
    if (s.fontName[0] == '\0') std::strcpy(s.fontName, "Courier New");
    text(s.findString, sizeof s.findString);
    text(s.replaceString, sizeof s.replaceString);
    for (int i = 0; i < s.mruCount; ++i) text(s.recent.slots[i], kMaxPath);
    return s;
}

TEST(SettingsRoundTripTest, RandomRecordsReadBackEqual) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        Settings written = RandomSettings(random);
        MemoryProfile file;
        WriteEverySetting(file, written);
        ExpectSameSettings(Loaded(file), written);
        for (const IntKey& key : kIntKeys) {
            const std::string& text = file.values[key.name];
            ASSERT_TRUE(text.find('-') == std::string::npos) << key.name << "=" << text;
        }
    }
}

TEST(SettingsWriteTest, ExitKeysInOrderWithTheSharedPlacement) {
    MemoryProfile file;
    Settings s = DefaultSettings();
    s.mruCount = 3;
    s.maximized = 1;
    std::strcpy(s.findString, "line one");
    std::strcpy(s.findString + 8, "\r\nline two");
    std::strcpy(s.replaceString, "  spaced  ");
    SaveExitSettings(file, s, Placement{-8, 30, 1000, 700});
    std::vector<std::string> expected = {"x",        "y",         "Width",   "Height",     "MruCount",
                                         "Maximized", "FullScr", "FindString", "ReplaceString"};
    EXPECT_EQ(file.writes, expected);
    EXPECT_EQ(s.x, -8);
    EXPECT_EQ(file.values["x"], "4294967288");
    EXPECT_EQ(file.values["Width"], "1000");
    EXPECT_EQ(file.values["FindString"], "line one");
    EXPECT_EQ(file.values["ReplaceString"], "\"  spaced  \"");
    Settings back = Loaded(file);
    EXPECT_STREQ(back.findString, "line one");
    EXPECT_STREQ(back.replaceString, "  spaced  ");
}

TEST(SettingsWriteTest, FontKeysInKeyOrderThenName) {
    MemoryProfile file;
    WriteFontSettings(file, DefaultSettings());
    std::vector<std::string> expected = {"FontHeight", "FontWidth",    "Escapement",    "Orientation", "Weight",
                                         "Italic",     "Underline",    "Strikeout",     "Charset",     "OutPrecision",
                                         "ClipPrecision", "Quality",   "Family",        "Name"};
    EXPECT_EQ(file.writes, expected);
    EXPECT_EQ(file.values["FontHeight"], "4294967283");
    EXPECT_EQ(file.values["Name"], "Lucida Console");
}

TEST(SettingsWriteTest, RecentFilesInListOrder) {
    MemoryProfile file;
    Settings s = DefaultSettings();
    s.mruCount = 3;
    std::strcpy(s.recent.slots[0], "A");
    std::strcpy(s.recent.slots[1], "B");
    std::strcpy(s.recent.slots[2], "C");
    s.recent.order[0] = 2;
    s.recent.order[1] = 0;
    s.recent.order[2] = 1;
    WriteRecentFiles(file, s);
    std::vector<std::string> expected = {"MruCount", "MRU0", "MRU1", "MRU2"};
    EXPECT_EQ(file.writes, expected);
    EXPECT_EQ(file.values["MRU0"], "C");
    EXPECT_EQ(file.values["MRU1"], "A");
    EXPECT_EQ(file.values["MRU2"], "B");
}

TEST(OptionSettingsTest, ImmediateWrites) {
    MemoryProfile file;
    Settings s = DefaultSettings();
    EXPECT_EQ(ToggleSetting(s, file, &Settings::findCase), 0);
    EXPECT_EQ(ToggleSetting(s, file, &Settings::findCase), 1);
    SetFindDirection(s, file, false);
    EXPECT_EQ(s.findDirection, 0);
    s.mruCount = 4;
    ClearRecentFiles(s, file);
    EXPECT_EQ(s.mruCount, 0);
    std::vector<std::string> expected = {"FindCase", "FindCase", "FindDirection", "MruCount"};
    EXPECT_EQ(file.writes, expected);
    EXPECT_EQ(file.values["FindCase"], "1");
    EXPECT_EQ(file.values["MruCount"], "0");
    StoreSpacing(s, &Settings::paddingAbove, 250);
    StoreSpacing(s, &Settings::leftMargin, 99999999999LL);
    EXPECT_EQ(s.paddingAbove, 250);
    EXPECT_EQ(s.leftMargin, 1000);
    EXPECT_EQ(file.writes.size(), 4u);  // storing a dialog value writes nothing yet
}

}  // namespace
}  // namespace velmo
