#pragma once
// The order of the recent-file list: which of the ten slots keeps a path and
// where it stands in the list. Paths are compared by a function passed in, so
// that the program can use the system's comparison.
#include <cstddef>

#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

// Negative, zero or positive, as strcmp; zero means the same file.
using PathCompare = int (*)(const char* a, const char* b);

// Makes `path` the most recent entry: an equal entry moves to the front;
// otherwise the path takes the next unused slot, or the oldest entry's slot
// when all ten are used. Then writes "MruCount" and "MRU0".. in list order.
// False, with nothing changed or written, for a path that does not fit a slot.
bool AddRecentPath(Settings& settings, ProfileAccess& profile, const char* path, PathCompare compare);

// "&0: " .. "&9: " and the whole path, each "&" of the path doubled so that
// the menu shows it instead of taking it for a mnemonic.
constexpr std::size_t kRecentItemTextSize = 4 + 2 * (kMaxPath - 1) + 1;
void FormatRecentItem(char (&dst)[kRecentItemTextSize], int index, const char* path);

}  // namespace velmo
