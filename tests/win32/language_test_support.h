#pragma once
// Where the built distribution and the test fixtures are.
#include <string>

namespace velmo::test {

// Folders ending in a backslash.
std::string DistFolder();      // the distribution folder (Languages\, Help\)
std::string FixtureFolder();   // fixture libraries built for these tests

inline const char* const kLanguageNames[] = {"English", "Slovak", "Czech"};

}  // namespace velmo::test
