#pragma once
// The editing font as plain data: the fields of the system's logical-font
// record, filled from settings "FontHeight" to "Family" and "Name".
#include <cstdint>

#include "settings/settings.h"

namespace velmo {

struct FontRecord {
    std::int32_t height;
    std::int32_t width;
    std::int32_t escapement;
    std::int32_t orientation;
    std::int32_t weight;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeOut;
    std::uint8_t charSet;
    std::uint8_t outPrecision;
    std::uint8_t clipPrecision;
    std::uint8_t quality;
    std::uint8_t pitchAndFamily;
    char faceName[kFaceNameSize];
};

// Byte fields take the low byte; validated settings always fit.
FontRecord FontRecordFromSettings(const Settings& settings);

// Copies a confirmed font back into the settings; the face name is cut to
// 31 characters.
void StoreFontRecord(Settings& settings, const FontRecord& font);

}  // namespace velmo
