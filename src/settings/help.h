#pragma once
// The help file of the current language, opened with the system's viewer.
#include <windows.h>

#include <cstdint>

namespace velmo {

// Opens programFolder + "Help\Slovak.chm" for Slovak and Czech (languages
// 10002 and 10000), else "Help\English.chm". Failures are not reported.
void ShowHelp(HWND owner, const char* programFolder, std::uint32_t language);

}  // namespace velmo
