#include "language_test_support.h"

#include <windows.h>

namespace velmo::test {

namespace {

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

}  // namespace

std::string DistFolder() { return ExeFolder() + VELMO_TEST_DIST_FROM_EXE "\\"; }

std::string FixtureFolder() { return ExeFolder() + "fixtures\\"; }

}  // namespace velmo::test
