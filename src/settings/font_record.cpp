#include "settings/font_record.h"

namespace velmo {
namespace {

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

FontRecord FontRecordFromSettings(const Settings& s) {
    FontRecord f{};
    f.height = s.fontHeight;
    f.width = s.fontWidth;
    f.escapement = s.escapement;
    f.orientation = s.orientation;
    f.weight = s.weight;
    f.italic = LowByte(s.italic);
    f.underline = LowByte(s.underline);
    f.strikeOut = LowByte(s.strikeout);
    f.charSet = LowByte(s.charset);
    f.outPrecision = LowByte(s.outPrecision);
    f.clipPrecision = LowByte(s.clipPrecision);
    f.quality = LowByte(s.quality);
    f.pitchAndFamily = LowByte(s.family);
    BoundedCopy(f.faceName, sizeof f.faceName, s.fontName);
    return f;
}

void StoreFontRecord(Settings& s, const FontRecord& f) {
    s.fontHeight = f.height;
    s.fontWidth = f.width;
    s.escapement = f.escapement;
    s.orientation = f.orientation;
    s.weight = f.weight;
    s.italic = f.italic;
    s.underline = f.underline;
    s.strikeout = f.strikeOut;
    s.charset = f.charSet;
    s.outPrecision = f.outPrecision;
    s.clipPrecision = f.clipPrecision;
    s.quality = f.quality;
    s.family = f.pitchAndFamily;
    char face[kFaceNameSize + 1];  // the record's field may lack its terminator
    for (std::size_t i = 0; i < kFaceNameSize; ++i) face[i] = f.faceName[i];
    face[kFaceNameSize] = '\0';
    BoundedCopy(s.fontName, sizeof s.fontName, face);
}

}  // namespace velmo
