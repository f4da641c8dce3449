#include "documents/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

TEST(CommandLineTest, FindsTheDocumentPathAfterTheProgramName) {
    const struct {
        std::string line;
        CommandLinePath result;
        std::string path;
    } cases[] = {
        {"Velmo.exe", CommandLinePath::kNone, ""},
        {"\"C:\\Program Files\\Velmo.exe\"", CommandLinePath::kNone, ""},
        {"\"C:\\Velmo.exe\"   ", CommandLinePath::kNone, ""},
        {"Velmo.exe \"\"", CommandLinePath::kNone, ""},
        {"\"unclosed", CommandLinePath::kNone, ""},
        {"", CommandLinePath::kNone, ""},
        // Unquoted, the path keeps its spaces; quoted, it stops at its closing mark.
        {"Velmo.exe  C:\\my notes.txt", CommandLinePath::kFound, "C:\\my notes.txt"},
        {"\"C:\\V 2\\Velmo.exe\" \"C:\\a b.txt\" more", CommandLinePath::kFound, "C:\\a b.txt"},
        {"\"C:\\Velmo.exe\"x.txt", CommandLinePath::kFound, "x.txt"},
        {"Velmo.exe \"C:\\open ended", CommandLinePath::kFound, "C:\\open ended"},
        {"Velmo.exe " + std::string(259, 'a'), CommandLinePath::kFound, std::string(259, 'a')},
        {"Velmo.exe \"" + std::string(260, 'a') + "\"", CommandLinePath::kTooLong, ""},
    };
    for (const auto& c : cases) {
        char path[kMaxPath];
        EXPECT_EQ(ParseCommandLine(c.line.c_str(), path), c.result) << c.line;
        EXPECT_EQ(path, c.path) << c.line;
    }
    char path[kMaxPath] = "old";
    EXPECT_EQ(ParseCommandLine(nullptr, path), CommandLinePath::kNone);
    EXPECT_STREQ(path, "");
}

}  // namespace
}  // namespace velmo
