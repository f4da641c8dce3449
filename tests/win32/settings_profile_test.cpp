// The settings through the system's own profile functions on a real file:
// what the file adds to the validation and round trips the host tests check.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "../settings/settings_compare.h"
#include "settings/private_profile.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace velmo {
namespace {

struct SettingsFile {
    TempFolder folder;
    std::string path = folder.path() + "Velmo.ini";
    PrivateProfile profile{path.c_str()};

    Settings Load() {
        Settings s;
        std::memset(&s, 0x5A, sizeof s);
        LoadSettings(s, profile, 1280, 1024);
        return s;
    }
};

// Every value away from its default, in the file as unsigned decimals; texts
// the profile functions would change if written plainly.
TEST(PrivateProfileTest, EverythingWrittenReadsBackEqual) {
    SettingsFile file;
    ExpectSameSettings(file.Load(), DefaultSettings());
    EXPECT_EQ(GetFileAttributesA(file.path.c_str()), INVALID_FILE_ATTRIBUTES);  // reading creates nothing
    Settings s = DefaultSettings();
    for (const IntKey& key : kIntKeys) s.*key.member = key.max != key.defaultValue ? key.max : key.min;
    s.fontHeight = -27;
    s.x = 30;
    s.y = 0;
    s.width = 1250;
    s.height = 1024;
    std::strcpy(s.fontName, "Courier New");
    std::strcpy(s.findString, "  \"find me\"  ");
    std::strcpy(s.replaceString, "'a;b=c'");
    std::strcpy(s.recent.slots[0], ("C:\\" + std::string(252, 'p') + ".txt").c_str());  // the longest accepted
    for (const IntKey& key : kIntKeys) ASSERT_TRUE(WriteSetting(file.profile, s, key.member)) << key.name;
    WriteFontSettings(file.profile, s);
    WriteRecentFiles(file.profile, s);
    SaveExitSettings(file.profile, s, Placement{s.x, s.y, s.width, s.height});
    ExpectSameSettings(file.Load(), s);
    EXPECT_EQ(FileBytes(file.path).find("[Velmo 2]\r\n"), 0u);
    EXPECT_EQ(FileBytes(file.path).find("=-"), std::string::npos);
}

// A text cut to fit is reported at the buffer's length; a path too long is
// refused.
TEST(PrivateProfileTest, CutTextsAreReportedAndTooLongPathsRefused) {
    SettingsFile file;
    char text[64];
    ASSERT_TRUE(file.profile.WriteText("Name", "abcdefgh"));
    EXPECT_EQ(file.profile.ReadText("Name", text, 9), 8u);
    EXPECT_EQ(file.profile.ReadText("Name", text, 5), 4u);
    EXPECT_STREQ(text, "abcd");
    PrivateProfile tooLong(("C:\\" + std::string(300, 'd') + "\\Velmo.ini").c_str());
    EXPECT_EQ(tooLong.ReadText("Wrap", text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(tooLong.WriteText("Wrap", "1"));
}

}  // namespace
}  // namespace velmo
