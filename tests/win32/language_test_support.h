#pragma once
// Where the built distribution and the test fixtures are (folders ending in a
// backslash), and the texts of the language in force.
#include <windows.h>

#include <string>

#include "settings/language_library.h"

namespace velmo::test {

inline std::string ExeFolder() {
    char path[MAX_PATH];
    std::string folder(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The distribution folder (Languages\, Help\).
inline std::string DistFolder() { return ExeFolder() + VELMO_TEST_DIST_FROM_EXE "\\"; }

// The text `id` has in the language library in force.
inline std::string LanguageText(UINT id) {
    char text[512];
    LoadLanguageString(id, text, sizeof text);
    return text;
}

// The text of a menu's item, by position or by command as `flags` say.
inline std::string MenuText(HMENU menu, UINT item, UINT flags) {
    char text[600] = "";
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

}  // namespace velmo::test
