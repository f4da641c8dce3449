#pragma once
// Language identifiers, library file names and the paths built from them.
// No Windows API here: the Windows layer (language_library.h) uses these.
#include <cstddef>
#include <cstdint>

#include "resource_ids.h"

namespace velmo {

constexpr std::uint32_t kFirstLanguageId = IDM_LANGUAGE_FIRST;
constexpr std::uint32_t kLastLanguageId = IDM_LANGUAGE_LAST;
constexpr std::uint32_t kCzechLanguageId = 10000;
constexpr std::uint32_t kEnglishLanguageId = 10001;
constexpr std::uint32_t kSlovakLanguageId = 10002;
constexpr char kDefaultLibraryName[] = "English.dll";
constexpr char kRequiredLibraryVersion[] = VELMO_LIBRARY_VERSION;

// The library a saved "Language" identifier stands for: 10000 Czech.dll,
// 10002 Slovak.dll, anything else English.dll.
const char* MappedLibraryName(std::uint32_t identifier);

// The identifier to save for a chosen library: the one whose mapping gives
// that very file, so the next start loads it again. A library the mapping
// does not know is saved as English, the library a start falls back to.
std::uint32_t SavedLanguageFor(const char* fileName);

// File names compared without regard to ASCII letter case.
bool SameFileName(const char* a, const char* b);

// programFolder + "Languages\" + fileName. False (dst emptied) when the path
// would not fit in dstSize bytes.
bool BuildLibraryPath(char* dst, std::size_t dstSize, const char* programFolder, const char* fileName);

// programFolder + "Languages\*.dll", the pattern that lists the libraries.
bool BuildLibraryPattern(char* dst, std::size_t dstSize, const char* programFolder);

// programFolder + "Help\" + "Slovak.chm" for Slovak and Czech, else "English.chm".
bool BuildHelpPath(char* dst, std::size_t dstSize, const char* programFolder, std::uint32_t language);

// The Language menu's text for a library: its file name without the last
// four characters (the extension).
bool LanguageMenuText(char* dst, std::size_t dstSize, const char* fileName);

}  // namespace velmo
