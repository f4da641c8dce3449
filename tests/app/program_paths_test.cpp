#include "app/program_paths.h"

#include <gtest/gtest.h>

#include <string>

#include "app/code_pages.h"

namespace velmo {
namespace {

TEST(ProgramPathsTest, DerivedFromModulePath) {
    ProgramPaths p;
    ASSERT_TRUE(DeriveProgramPaths("C:\\Tools\\Velmo\\Velmo.exe", &p));
    EXPECT_STREQ(p.folder, "C:\\Tools\\Velmo\\");
    EXPECT_STREQ(p.help, "C:\\Tools\\Velmo\\Help\\");
    EXPECT_STREQ(p.settings, "C:\\Tools\\Velmo\\Velmo.ini");
    EXPECT_STREQ(p.languages, "C:\\Tools\\Velmo\\Languages\\");
    ASSERT_TRUE(DeriveProgramPaths("Velmo.exe", &p));
    EXPECT_STREQ(p.folder, "");
    EXPECT_STREQ(p.settings, "Velmo.ini");
}

TEST(ProgramPathsTest, RefusesAFolderTooDeepForItsPaths) {
    // A folder of 250 bytes: "Velmo.ini" still fits (259), "Languages\" does not (260).
    std::string folder = "C:\\" + std::string(246, 'd') + "\\";
    ProgramPaths p;
    EXPECT_FALSE(DeriveProgramPaths((folder + "Velmo.exe").c_str(), &p));
    EXPECT_STREQ(p.settings, "");  // nothing half-derived is handed out
    std::string shorter = "C:\\" + std::string(245, 'd') + "\\";
    EXPECT_TRUE(DeriveProgramPaths((shorter + "V.exe").c_str(), &p));
    EXPECT_EQ(std::string(p.languages).size(), 259u);
    EXPECT_FALSE(DeriveProgramPaths(std::string(400, 'x').c_str(), &p));
}

TEST(CodePagesTest, KnownPagesAndUnknownKeepsCurrent) {
    EXPECT_EQ(CharsetForCodePage(1251, 0), 204);
    EXPECT_EQ(CharsetForCodePage(1250, 0), 238);
    EXPECT_EQ(CharsetForCodePage(1252, 238), 0);
    EXPECT_EQ(CharsetForCodePage(437, 238), 238);
}

}  // namespace
}  // namespace velmo
