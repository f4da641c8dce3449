#pragma once
// What the option commands and the find dialog change in the settings, and
// the keys they write at once.
#include <cstdint>

#include "settings/profile_access.h"
#include "settings/settings.h"

namespace velmo {

// Inverts a 0/1 setting, writes its key and returns the new value.
std::int32_t ToggleSetting(Settings& settings, ProfileAccess& profile, IntSetting member);

// The find dialog's Up (false) and Down (true) buttons.
void SetFindDirection(Settings& settings, ProfileAccess& profile, bool down);

// Empties the recent-file list: "MruCount" becomes 0; the paths stay in the
// file unread.
void ClearRecentFiles(Settings& settings, ProfileAccess& profile);

// A padding or margin typed into a dialog, kept to 0..kMaxSpacing pixels.
void StoreSpacing(Settings& settings, IntSetting member, std::int64_t pixels);

}  // namespace velmo
