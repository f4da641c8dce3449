#include "documents/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

std::string Parsed(const char* line, CommandLinePath expected) {
    char path[kMaxPath];
    EXPECT_EQ(ParseCommandLine(line, path), expected) << line;
    return path;
}

TEST(CommandLineTest, ProgramNameAloneGivesNoDocument) {
    Parsed("Velmo.exe", CommandLinePath::kNone);
    Parsed("\"C:\\Program Files\\Velmo.exe\"", CommandLinePath::kNone);
    Parsed("\"C:\\Velmo.exe\"   ", CommandLinePath::kNone);
    Parsed("Velmo.exe \"\"", CommandLinePath::kNone);
    Parsed("\"unclosed", CommandLinePath::kNone);
    Parsed("", CommandLinePath::kNone);
}

TEST(CommandLineTest, UnquotedPathKeepsItsSpacesQuotedPathStopsAtItsMark) {
    EXPECT_EQ(Parsed("Velmo.exe  C:\\my notes.txt", CommandLinePath::kFound), "C:\\my notes.txt");
    EXPECT_EQ(Parsed("\"C:\\V 2\\Velmo.exe\" \"C:\\a b.txt\" more", CommandLinePath::kFound), "C:\\a b.txt");
    EXPECT_EQ(Parsed("Velmo.exe \"C:\\open ended", CommandLinePath::kFound), "C:\\open ended");
}

TEST(CommandLineTest, PathOf260BytesIsTooLong) {
    std::string fits = "Velmo.exe " + std::string(259, 'a');
    EXPECT_EQ(Parsed(fits.c_str(), CommandLinePath::kFound).size(), 259u);
    std::string tooLong = "Velmo.exe \"" + std::string(260, 'a') + "\"";
    EXPECT_EQ(Parsed(tooLong.c_str(), CommandLinePath::kTooLong), "");
}

}  // namespace
}  // namespace velmo
