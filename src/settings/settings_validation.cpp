#include "settings/settings_validation.h"

namespace velmo {
namespace {

constexpr std::int32_t kFallbackX = 120;
constexpr std::int32_t kFallbackY = 100;
constexpr std::int32_t kFallbackWidth = 770;
constexpr std::int32_t kFallbackHeight = 473;

// One axis of the placement; 64-bit so that no screen size can overflow.
void ValidateAxis(std::int32_t& start, std::int32_t& extent, std::int32_t screen,
                  std::int32_t fallbackStart, std::int32_t fallbackExtent) {
    if (start < 0 || start > screen) start = fallbackStart;
    std::int64_t room = static_cast<std::int64_t>(screen) - start;
    if (extent < 0 || extent > room) extent = fallbackExtent;
}

void TerminateText(char* text, std::size_t size) { text[size - 1] = '\0'; }

}  // namespace

std::int32_t ValidateIntSetting(const IntKey& key, std::int32_t value) {
    switch (key.fix) {
        case OutOfRange::CheckScreen:
            return value;
        case OutOfRange::CapUnsigned:
            return static_cast<std::uint32_t>(value) > static_cast<std::uint32_t>(key.max) ? key.max
                                                                                            : value;
        case OutOfRange::Clamp:
            return value < key.min ? key.min : value > key.max ? key.max : value;
        case OutOfRange::UseDefault:
            break;
    }
    return value < key.min || value > key.max ? key.defaultValue : value;
}

void ValidatePlacement(Settings& settings, std::int32_t screenWidth, std::int32_t screenHeight) {
    ValidateAxis(settings.x, settings.width, screenWidth, kFallbackX, kFallbackWidth);
    ValidateAxis(settings.y, settings.height, screenHeight, kFallbackY, kFallbackHeight);
}

void ValidateSettings(Settings& settings, std::int32_t screenWidth, std::int32_t screenHeight) {
    for (const IntKey& key : kIntKeys) {
        settings.*key.member = ValidateIntSetting(key, settings.*key.member);
    }
    ValidatePlacement(settings, screenWidth, screenHeight);
    TerminateText(settings.fontName, sizeof settings.fontName);
    if (settings.fontName[0] == '\0') BoundedCopy(settings.fontName, sizeof settings.fontName, kDefaultFontName);
    TerminateText(settings.findString, sizeof settings.findString);
    TerminateText(settings.replaceString, sizeof settings.replaceString);
    for (auto& slot : settings.recent.slots) TerminateText(slot, sizeof slot);
}

std::int32_t ClampSpacing(std::int64_t pixels) {
    return pixels < 0 ? 0 : pixels > kMaxSpacing ? kMaxSpacing : static_cast<std::int32_t>(pixels);
}

}  // namespace velmo
