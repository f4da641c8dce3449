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

// Reading creates nothing. Texts the profile functions would change if
// written plainly, and the longest recent path accepted, read back equal:
// the host tests' in-memory profile reads values the same way.
TEST(PrivateProfileTest, TextsReadBackEqualOrReportedCut) {
    TempFolder folder;
    const std::string path = folder.path() + "Velmo.ini";
    PrivateProfile profile(path.c_str());
    auto load = [&profile] {
        Settings s;
        std::memset(&s, 0x5A, sizeof s);  // nothing may survive from before
        LoadSettings(s, profile, 1280, 1024);
        return s;
    };
    ExpectSameSettings(load(), DefaultSettings());
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    Settings s = DefaultSettings();
    s.fontHeight = -27;
    s.mruCount = 1;
    std::strcpy(s.fontName, "Courier New");
    std::strcpy(s.findString, "  \"find me\"  ");
    std::strcpy(s.replaceString, "'a;b=c'");
    std::strcpy(s.recent.slots[0], ("C:\\" + std::string(252, 'p') + ".txt").c_str());
    WriteFontSettings(profile, s);
    WriteRecentFiles(profile, s);
    SaveExitSettings(profile, s, Placement{s.x, s.y, s.width, s.height});
    ExpectSameSettings(load(), s);
    EXPECT_EQ(FileBytes(path).find("[Velmo 2]\r\n"), 0u);

    // A text cut to fit is reported at the buffer's length; a path too long is refused.
    char text[64];
    ASSERT_TRUE(profile.WriteText("Name", "abcdefgh"));
    EXPECT_EQ(profile.ReadText("Name", text, 9), 8u);
    EXPECT_EQ(profile.ReadText("Name", text, 5), 4u);
    EXPECT_STREQ(text, "abcd");
    PrivateProfile tooLong(("C:\\" + std::string(300, 'd') + "\\Velmo.ini").c_str());
    EXPECT_EQ(tooLong.ReadText("Wrap", text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(tooLong.WriteText("Wrap", "1"));
}

}  // namespace
}  // namespace velmo
