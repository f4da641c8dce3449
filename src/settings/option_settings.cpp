#include "settings/option_settings.h"

#include "settings/settings_file.h"
#include "settings/settings_validation.h"

namespace velmo {

std::int32_t ToggleSetting(Settings& settings, ProfileAccess& profile, IntSetting member) {
    settings.*member = settings.*member != 0 ? 0 : 1;
    WriteSetting(profile, settings, member);
    return settings.*member;
}

void SetFindDirection(Settings& settings, ProfileAccess& profile, bool down) {
    settings.findDirection = down ? 1 : 0;
    WriteSetting(profile, settings, &Settings::findDirection);
}

void ClearRecentFiles(Settings& settings, ProfileAccess& profile) {
    settings.mruCount = 0;
    WriteSetting(profile, settings, &Settings::mruCount);
}

void StoreSpacing(Settings& settings, IntSetting member, std::int64_t pixels) {
    settings.*member = ClampSpacing(pixels);
}

}  // namespace velmo
