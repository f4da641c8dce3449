#pragma once
// Where the built distribution and the test fixtures are: folders ending in a
// backslash.
#include <windows.h>

#include <string>

namespace velmo::test {

inline std::string ExeFolder() {
    char path[MAX_PATH];
    std::string folder(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The distribution folder (Languages\, Help\).
inline std::string DistFolder() { return ExeFolder() + VELMO_TEST_DIST_FROM_EXE "\\"; }

// Fixture libraries built for these tests.
inline std::string FixtureFolder() { return ExeFolder() + "fixtures\\"; }

inline const char* const kLanguageNames[] = {"English", "Slovak", "Czech"};

}  // namespace velmo::test
