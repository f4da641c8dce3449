#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "../settings/settings_compare.h"
#include "settings/private_profile.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace velmo {
namespace {

constexpr std::int32_t kScreenWidth = 1280;
constexpr std::int32_t kScreenHeight = 1024;

struct SettingsFile {
    TempFolder folder;
    std::string path = folder.path() + "Velmo.ini";
    PrivateProfile profile{path.c_str()};

    Settings Load() {
        Settings s;
        std::memset(&s, 0x5A, sizeof s);
        LoadSettings(s, profile, kScreenWidth, kScreenHeight);
        return s;
    }
    std::string Bytes() const {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    void Put(const std::string& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
};

// Every value away from its default, texts the profile functions would
// change if written plainly, paths of the longest length accepted.
Settings UnusualSettings() {
    Settings s = DefaultSettings();
    for (const IntKey& key : kIntKeys) s.*key.member = key.max != key.defaultValue ? key.max : key.min;
    s.fontHeight = -27;
    s.x = 30;
    s.y = 0;
    s.width = 1250;
    s.height = 1024;
    s.mruCount = kMaxRecentFiles;
    std::strcpy(s.fontName, "Courier New");
    std::strcpy(s.findString, "  \"find me\"  ");
    std::strcpy(s.replaceString, "'a;b=c'");
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        std::string path = "C:\\" + std::string(250, static_cast<char>('a' + i)) + "\\x" + std::to_string(i) + ".txt";
        path.resize(259, 'z');
        std::strcpy(s.recent.slots[i], path.c_str());
        s.recent.order[i] = static_cast<std::uint8_t>(kMaxRecentFiles - 1 - i);
    }
    return s;
}

TEST(PrivateProfileTest, EverythingWrittenReadsBackEqual) {
    SettingsFile file;
    Settings written = UnusualSettings();
    for (const IntKey& key : kIntKeys) ASSERT_TRUE(WriteSetting(file.profile, written, key.member)) << key.name;
    WriteFontSettings(file.profile, written);
    WriteRecentFiles(file.profile, written);
    SaveExitSettings(file.profile, written, Placement{written.x, written.y, written.width, written.height});
    ExpectSameSettings(file.Load(), written);
}

TEST(PrivateProfileTest, NumbersAreWrittenAsUnsignedDecimal) {
    SettingsFile file;
    Settings s = DefaultSettings();
    WriteFontSettings(file.profile, s);
    WriteSetting(file.profile, s, &Settings::selColor);
    WriteIntSetting(file.profile, "x", -8);
    std::string bytes = file.Bytes();
    EXPECT_EQ(bytes.find("[Velmo 2]\r\n"), 0u) << bytes;
    EXPECT_NE(bytes.find("\r\nFontHeight=4294967283\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\nWeight=400\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\nSelColor=12937777\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\nx=4294967288\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\nName=Lucida Console\r\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find('-'), std::string::npos) << bytes;
}

TEST(PrivateProfileTest, MissingFileGivesDefaults) {
    SettingsFile file;
    ExpectSameSettings(file.Load(), DefaultSettings());
    EXPECT_EQ(GetFileAttributesA(file.path.c_str()), INVALID_FILE_ATTRIBUTES);  // reading creates nothing
}

// What the real file adds to the validation the host tests check: other
// sections, blanks the system drops, lines without "=", texts cut to fit.
TEST(PrivateProfileTest, GarbageReadsAsValidatedValues) {
    SettingsFile file;
    file.Put("[Other]\r\nWrap=1\r\nLanguage=10002\r\n"
             "[Velmo 2]\r\n"
             "Status=\r\nWeight=99999999999999\r\nTxtColor=  255  \r\nPaddingBelow=4000000000\r\n"
             "FindString=" + std::string(600, 'f') + "\r\nMruCount=25\r\nMRU0=C:\\one.txt\r\n"
             "MRU1=C:\\" + std::string(400, 'p') + "\r\ngarbage line without equals\r\n");
    Settings s = file.Load();
    EXPECT_EQ(s.wrap, 0);
    EXPECT_EQ(s.language, 10001);
    EXPECT_EQ(s.status, 1);
    EXPECT_EQ(s.weight, 400);
    EXPECT_EQ(s.txtColor, 255);
    EXPECT_EQ(s.paddingBelow, 0);  // 4000000000 is -294967296: clamped up to 0
    EXPECT_EQ(std::string(s.findString), std::string(259, 'f'));
    ASSERT_EQ(s.mruCount, 10);
    EXPECT_STREQ(RecentEntry(s, 0), "C:\\one.txt");
    EXPECT_STREQ(RecentEntry(s, 1), "");
}

TEST(PrivateProfileTest, TooLongPathIsRefused) {
    std::string path = "C:\\" + std::string(300, 'd') + "\\Velmo.ini";
    PrivateProfile profile(path.c_str());
    char text[16] = "x";
    EXPECT_EQ(profile.ReadText("Wrap", text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(profile.WriteText("Wrap", "1"));
}

TEST(PrivateProfileTest, CutTextIsReportedAsPossiblyCut) {
    SettingsFile file;
    ASSERT_TRUE(file.profile.WriteText("Name", "abcdefgh"));
    char text[9];
    EXPECT_EQ(file.profile.ReadText("Name", text, sizeof text), 8u);
    char small[5];
    EXPECT_EQ(file.profile.ReadText("Name", small, sizeof small), 4u);
    EXPECT_STREQ(small, "abcd");
}

// Why texts are quoted when written: the system changes them on reading.
TEST(PrivateProfileTest, PlainTextsLoseBlanksAndQuotesOnReading) {
    SettingsFile file;
    char text[64];
    ASSERT_TRUE(file.profile.WriteText("FindString", "  spaced  "));
    file.profile.ReadText("FindString", text, sizeof text);
    EXPECT_STREQ(text, "spaced");
    ASSERT_TRUE(file.profile.WriteText("FindString", "'quoted'"));
    file.profile.ReadText("FindString", text, sizeof text);
    EXPECT_STREQ(text, "quoted");
    ASSERT_TRUE(WriteTextSetting(file.profile, "FindString", "  'both'  \r\nnext line"));
    file.profile.ReadText("FindString", text, sizeof text);
    EXPECT_STREQ(text, "  'both'  ");
}

}  // namespace
}  // namespace velmo
