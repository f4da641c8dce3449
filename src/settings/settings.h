#pragma once
// The Settings record: every option kept in section "Velmo 2" of "Velmo.ini"
// beside the program, with its built-in default and the range it may take.
#include <cstddef>
#include <cstdint>

#include "common/text_utils.h"

namespace velmo {

constexpr char kSettingsSection[] = "Velmo 2";

constexpr std::size_t kFaceNameSize = 32;   // 31 characters + terminator
constexpr std::size_t kSearchTextSize = kMaxPath;
constexpr int kMaxRecentFiles = 10;

// Recent-file paths as stored: entry i of the list lives in slots[order[i]].
struct RecentFiles {
    char slots[kMaxRecentFiles][kMaxPath];
    std::uint8_t order[kMaxRecentFiles];
};

// The 43 integer settings in the order of their keys in the file, then the
// texts. Colours are 0x00BBGGRR values.
struct Settings {
    std::int32_t wrap;
    std::int32_t status;
    std::int32_t centerVertAfterFind;
    std::int32_t fontHeight;
    std::int32_t fontWidth;
    std::int32_t escapement;
    std::int32_t orientation;
    std::int32_t weight;
    std::int32_t italic;
    std::int32_t underline;
    std::int32_t strikeout;
    std::int32_t charset;
    std::int32_t outPrecision;
    std::int32_t clipPrecision;
    std::int32_t quality;
    std::int32_t family;
    std::int32_t stayOnTop;
    std::int32_t findCase;
    std::int32_t findDirection;  // 0 up, 1 down
    std::int32_t bkgColor;
    std::int32_t txtColor;
    std::int32_t selColor;
    std::int32_t bkgInactiveColor;
    std::int32_t txtInactiveColor;
    std::int32_t selInactiveColor;
    std::int32_t lineNumbersColor;
    std::int32_t lineNumbersInactiveColor;
    std::int32_t bkgLineNumbersColor;
    std::int32_t bkgLineNumbersInactiveColor;
    std::int32_t lineNumbers;
    std::int32_t controlChars;
    std::int32_t paddingAbove;
    std::int32_t paddingBelow;
    std::int32_t leftMargin;
    std::int32_t rightMargin;
    std::int32_t language;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    std::int32_t mruCount;
    std::int32_t maximized;
    std::int32_t fullScr;

    char fontName[kFaceNameSize];
    char findString[kSearchTextSize];
    char replaceString[kSearchTextSize];
    RecentFiles recent;
};

using IntSetting = std::int32_t Settings::*;

// What validation does with a value outside [min, max].
enum class OutOfRange : std::uint8_t {
    UseDefault,    // the built-in default
    Clamp,         // the nearer end of the range
    CapUnsigned,   // compared as unsigned: anything above max becomes max
    CheckScreen,   // the window placement, checked against the screen size
};

struct IntKey {
    const char* name;
    IntSetting member;
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
    OutOfRange fix;
    bool writtenAtExit;  // false: written by its option command at once
};

constexpr int kIntSettingCount = 43;
extern const IntKey kIntKeys[kIntSettingCount];

// The key of an integer setting; every member of Settings above has one.
const IntKey& KeyOf(IntSetting member);

// Padding and margins are kept within 0..kMaxSpacing pixels.
constexpr std::int32_t kMaxSpacing = 1000;

constexpr char kFontNameKey[] = "Name";
constexpr char kFindStringKey[] = "FindString";
constexpr char kReplaceStringKey[] = "ReplaceString";
constexpr char kDefaultFontName[] = "Lucida Console";

// Every built-in default; texts empty, no recent files.
Settings DefaultSettings();

// Entry i of the recent-file list (0 is the most recent); i < mruCount.
const char* RecentEntry(const Settings& settings, int i);

}  // namespace velmo
