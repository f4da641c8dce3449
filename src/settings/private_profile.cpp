#include "settings/private_profile.h"

#include <windows.h>

#include <climits>

#include "settings/settings.h"

namespace velmo {

PrivateProfile::PrivateProfile(const char* path) {
    if (!BoundedCopy(path_, sizeof path_, path)) path_[0] = '\0';
}

std::size_t PrivateProfile::ReadText(const char* key, char* dst, std::size_t dstSize) {
    if (dstSize == 0) return 0;
    dst[0] = '\0';
    if (path_[0] == '\0') return 0;
    DWORD size = dstSize > UINT_MAX ? UINT_MAX : static_cast<DWORD>(dstSize);
    DWORD n = GetPrivateProfileStringA(kSettingsSection, key, "", dst, size, path_);
    return n < size ? n : size - 1;
}

bool PrivateProfile::WriteText(const char* key, const char* text) {
    if (path_[0] == '\0') return false;
    return WritePrivateProfileStringA(kSettingsSection, key, text, path_) != FALSE;
}

}  // namespace velmo
