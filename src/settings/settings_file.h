#pragma once
// Reading the settings file at start and writing it back, key by key.
#include <cstdint>

#include "settings/placement_rules.h"
#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

// Fills `settings` from the file and validates it against the screen. A key
// that is missing, holds -1 (or 4294967295), is not a 32-bit number, or is
// too long keeps its built-in default; values out of range are corrected.
// A face name longer than 31 characters keeps the default face; a search
// text longer than 259 characters is cut; a recent path longer than 259
// characters reads as an empty entry.
void LoadSettings(Settings& settings, ProfileAccess& profile, std::int32_t screenWidth,
                  std::int32_t screenHeight);

bool WriteIntSetting(ProfileAccess& profile, const char* key, std::int32_t value);

// Writes the key of one integer member with its current value.
bool WriteSetting(ProfileAccess& profile, const Settings& settings, IntSetting member);

// Writes a text key so that it reads back unchanged; only the part before
// the first CR or LF is written, since a value is one line of the file.
bool WriteTextSetting(ProfileAccess& profile, const char* key, const char* text);

// "FontHeight" to "Family" in key order, then "Name".
void WriteFontSettings(ProfileAccess& profile, const Settings& settings);

// "MruCount", then "MRU0" ... one key per entry in list order; keys of
// higher numbers stay in the file unread.
void WriteRecentFiles(ProfileAccess& profile, const Settings& settings);

// At program end: takes the window's last normal placement (outer left,
// top, width and height) into x, y, Width and Height, then
// writes "x", "y", "Width", "Height", "MruCount", "Maximized", "FullScr",
// "FindString" and "ReplaceString".
void SaveExitSettings(ProfileAccess& profile, Settings& settings, const Placement& placement);

}  // namespace velmo
