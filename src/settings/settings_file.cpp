#include "settings/settings_file.h"

#include "common/text_utils.h"
#include "settings/setting_text.h"
#include "settings/settings_validation.h"

namespace velmo {
namespace {

constexpr std::int32_t kUseDefault = -1;
constexpr std::size_t kNumberTextSize = 64;

// Reads a text of at most N - 2 characters; false when the key is missing,
// empty or longer.
template <std::size_t N>
bool ReadBoundedText(ProfileAccess& profile, const char* key, char (&dst)[N]) {
    std::size_t n = profile.ReadText(key, dst, N);
    return n > 0 && n < N - 1;
}

void ReadIntSettings(Settings& settings, ProfileAccess& profile) {
    for (const IntKey& key : kIntKeys) {
        char text[kNumberTextSize];
        std::int32_t value = 0;
        if (!ReadBoundedText(profile, key.name, text)) continue;
        if (!ParseSettingNumber(text, &value) || value == kUseDefault) continue;
        settings.*key.member = value;
    }
}

void ReadTexts(Settings& settings, ProfileAccess& profile) {
    char face[kFaceNameSize + 1];
    if (ReadBoundedText(profile, kFontNameKey, face)) BoundedCopy(settings.fontName, sizeof settings.fontName, face);
    char text[kSearchTextSize + 1];
    profile.ReadText(kFindStringKey, text, sizeof text);
    BoundedCopy(settings.findString, sizeof settings.findString, text);
    profile.ReadText(kReplaceStringKey, text, sizeof text);
    BoundedCopy(settings.replaceString, sizeof settings.replaceString, text);
}

void RecentKeyName(char (&key)[5], int i) {
    key[0] = 'M';
    key[1] = 'R';
    key[2] = 'U';
    key[3] = static_cast<char>('0' + i);
    key[4] = '\0';
}

void ReadRecentFiles(Settings& settings, ProfileAccess& profile) {
    for (int i = 0; i < settings.mruCount; ++i) {
        char key[5];
        RecentKeyName(key, i);
        char path[kMaxPath + 1];
        if (!ReadBoundedText(profile, key, path)) path[0] = '\0';
        BoundedCopy(settings.recent.slots[i], kMaxPath, path);
        settings.recent.order[i] = static_cast<std::uint8_t>(i);
    }
}

void WriteKeyRange(ProfileAccess& profile, const Settings& settings, IntSetting first, IntSetting last) {
    bool inRange = false;
    for (const IntKey& key : kIntKeys) {
        inRange = inRange || key.member == first;
        if (inRange) WriteIntSetting(profile, key.name, settings.*key.member);
        if (key.member == last) break;
    }
}

}  // namespace

void LoadSettings(Settings& settings, ProfileAccess& profile, std::int32_t screenWidth,
                  std::int32_t screenHeight) {
    settings = DefaultSettings();
    ReadIntSettings(settings, profile);
    ReadTexts(settings, profile);
    ValidateSettings(settings, screenWidth, screenHeight);
    ReadRecentFiles(settings, profile);
}

bool WriteIntSetting(ProfileAccess& profile, const char* key, std::int32_t value) {
    char text[kSettingNumberSize];
    FormatSettingNumber(text, value);
    return profile.WriteText(key, text);
}

bool WriteSetting(ProfileAccess& profile, const Settings& settings, IntSetting member) {
    return WriteIntSetting(profile, KeyOf(member).name, settings.*member);
}

bool WriteTextSetting(ProfileAccess& profile, const char* key, const char* text) {
    char prepared[kMaxPath + 2];  // a 259-character text and its quotation marks
    if (!PrepareProfileText(prepared, sizeof prepared, text)) return false;
    return profile.WriteText(key, prepared);
}

void WriteFontSettings(ProfileAccess& profile, const Settings& settings) {
    WriteKeyRange(profile, settings, &Settings::fontHeight, &Settings::family);
    WriteTextSetting(profile, kFontNameKey, settings.fontName);
}

void WriteRecentFiles(ProfileAccess& profile, const Settings& settings) {
    WriteSetting(profile, settings, &Settings::mruCount);
    for (int i = 0; i < settings.mruCount && i < kMaxRecentFiles; ++i) {
        char key[5];
        RecentKeyName(key, i);
        WriteTextSetting(profile, key, RecentEntry(settings, i));
    }
}

void SaveExitSettings(ProfileAccess& profile, Settings& settings, const Placement& placement) {
    settings.x = placement.x;
    settings.y = placement.y;
    settings.width = placement.width;
    settings.height = placement.height;
    for (const IntKey& key : kIntKeys) {
        if (key.writtenAtExit) WriteIntSetting(profile, key.name, settings.*key.member);
    }
    WriteTextSetting(profile, kFindStringKey, settings.findString);
    WriteTextSetting(profile, kReplaceStringKey, settings.replaceString);
}

}  // namespace velmo
