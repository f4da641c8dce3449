#include "settings/settings.h"

#include <climits>
#include <cstring>

namespace velmo {
namespace {

constexpr std::int32_t kAny = INT32_MIN;
constexpr std::int32_t kAll = INT32_MAX;
constexpr std::int32_t kNoColourBits = 0xFFFFFF;

constexpr IntKey Flag(const char* name, IntSetting member, std::int32_t def, bool atExit = false) {
    return {name, member, def, 0, 1, OutOfRange::UseDefault, atExit};
}
constexpr IntKey Byte(const char* name, IntSetting member, std::int32_t def) {
    return {name, member, def, 0, 255, OutOfRange::UseDefault, false};
}
constexpr IntKey Colour(const char* name, IntSetting member, std::int32_t def) {
    return {name, member, def, 0, kNoColourBits, OutOfRange::UseDefault, false};
}
constexpr IntKey Spacing(const char* name, IntSetting member, std::int32_t def) {
    return {name, member, def, 0, kMaxSpacing, OutOfRange::Clamp, false};
}
constexpr IntKey Placement(const char* name, IntSetting member, std::int32_t def) {
    return {name, member, def, kAny, kAll, OutOfRange::CheckScreen, true};
}

}  // namespace

// The order is the order of the keys in the file and of the fields above.
const IntKey kIntKeys[kIntSettingCount] = {
    Flag("Wrap", &Settings::wrap, 0),
    Flag("Status", &Settings::status, 1),
    Flag("CenterVertAfterFind", &Settings::centerVertAfterFind, 0),
    {"FontHeight", &Settings::fontHeight, -13, -16384, 16384, OutOfRange::UseDefault, false},
    {"FontWidth", &Settings::fontWidth, 0, 0, 16384, OutOfRange::UseDefault, false},
    {"Escapement", &Settings::escapement, 0, -3600, 3600, OutOfRange::UseDefault, false},
    {"Orientation", &Settings::orientation, 0, -3600, 3600, OutOfRange::UseDefault, false},
    {"Weight", &Settings::weight, 400, 0, 1000, OutOfRange::UseDefault, false},
    Byte("Italic", &Settings::italic, 0),
    Byte("Underline", &Settings::underline, 0),
    Byte("Strikeout", &Settings::strikeout, 0),
    Byte("Charset", &Settings::charset, 1),
    Byte("OutPrecision", &Settings::outPrecision, 3),
    Byte("ClipPrecision", &Settings::clipPrecision, 2),
    Byte("Quality", &Settings::quality, 1),
    Byte("Family", &Settings::family, 49),
    Flag("StayOnTop", &Settings::stayOnTop, 0),
    Flag("FindCase", &Settings::findCase, 1),
    Flag("FindDirection", &Settings::findDirection, 1),
    Colour("BkgColor", &Settings::bkgColor, 0xFFFFFF),
    Colour("TxtColor", &Settings::txtColor, 0x000000),
    Colour("SelColor", &Settings::selColor, 0xC56A31),
    Colour("BkgInactiveColor", &Settings::bkgInactiveColor, 0xE0E0E0),
    Colour("TxtInactiveColor", &Settings::txtInactiveColor, 0x6C6C6C),
    Colour("SelInactiveColor", &Settings::selInactiveColor, 0xD99368),
    Colour("LineNumbersColor", &Settings::lineNumbersColor, 0x000000),
    Colour("LineNumbersInactiveColor", &Settings::lineNumbersInactiveColor, 0x6C6C6C),
    Colour("BkgLineNumbersColor", &Settings::bkgLineNumbersColor, 0xB6B6B6),
    Colour("BkgLineNumbersInactiveColor", &Settings::bkgLineNumbersInactiveColor, 0xCACACA),
    Flag("LineNumbers", &Settings::lineNumbers, 0),
    Flag("ControlChars", &Settings::controlChars, 0),
    Spacing("PaddingAbove", &Settings::paddingAbove, 0),
    Spacing("PaddingBelow", &Settings::paddingBelow, 0),
    Spacing("LeftMargin", &Settings::leftMargin, 3),
    Spacing("RightMargin", &Settings::rightMargin, 3),
    {"Language", &Settings::language, 10001, 10000, 10002, OutOfRange::UseDefault, false},
    Placement("x", &Settings::x, 120),
    Placement("y", &Settings::y, 100),
    Placement("Width", &Settings::width, 850),
    Placement("Height", &Settings::height, 531),
    {"MruCount", &Settings::mruCount, 0, 0, kMaxRecentFiles, OutOfRange::CapUnsigned, true},
    Flag("Maximized", &Settings::maximized, 0, true),
    Flag("FullScr", &Settings::fullScr, 0, true),
};

const IntKey& KeyOf(IntSetting member) {
    for (const IntKey& key : kIntKeys) {
        if (key.member == member) return key;
    }
    return kIntKeys[0];  // unreachable: every integer member is listed above
}

Settings DefaultSettings() {
    Settings s;
    std::memset(&s, 0, sizeof s);
    for (const IntKey& key : kIntKeys) s.*key.member = key.defaultValue;
    BoundedCopy(s.fontName, sizeof s.fontName, kDefaultFontName);
    for (int i = 0; i < kMaxRecentFiles; ++i) s.recent.order[i] = static_cast<std::uint8_t>(i);
    return s;
}

const char* RecentEntry(const Settings& settings, int i) {
    if (i < 0 || i >= kMaxRecentFiles) return "";
    return settings.recent.slots[settings.recent.order[i] % kMaxRecentFiles];
}

}  // namespace velmo
