#include "settings/logical_font.h"

#include <cstring>

namespace velmo {

void FillLogFont(const FontRecord& r, LOGFONTA* f) {
    std::memset(f, 0, sizeof *f);
    f->lfHeight = r.height;
    f->lfWidth = r.width;
    f->lfEscapement = r.escapement;
    f->lfOrientation = r.orientation;
    f->lfWeight = r.weight;
    f->lfItalic = r.italic;
    f->lfUnderline = r.underline;
    f->lfStrikeOut = r.strikeOut;
    f->lfCharSet = r.charSet;
    f->lfOutPrecision = r.outPrecision;
    f->lfClipPrecision = r.clipPrecision;
    f->lfQuality = r.quality;
    f->lfPitchAndFamily = r.pitchAndFamily;
    static_assert(sizeof f->lfFaceName == sizeof r.faceName);
    BoundedCopy(f->lfFaceName, sizeof f->lfFaceName, r.faceName);
}

FontRecord FontRecordFromLogFont(const LOGFONTA& f) {
    FontRecord r{};
    r.height = f.lfHeight;
    r.width = f.lfWidth;
    r.escapement = f.lfEscapement;
    r.orientation = f.lfOrientation;
    r.weight = f.lfWeight;
    r.italic = f.lfItalic;
    r.underline = f.lfUnderline;
    r.strikeOut = f.lfStrikeOut;
    r.charSet = f.lfCharSet;
    r.outPrecision = f.lfOutPrecision;
    r.clipPrecision = f.lfClipPrecision;
    r.quality = f.lfQuality;
    r.pitchAndFamily = f.lfPitchAndFamily;
    // The system's field need not hold a terminator.
    std::memcpy(r.faceName, f.lfFaceName, sizeof r.faceName);
    r.faceName[sizeof r.faceName - 1] = '\0';
    return r;
}

HFONT CreateFontFromRecord(const FontRecord& record) {
    LOGFONTA font;
    FillLogFont(record, &font);
    return CreateFontIndirectA(&font);
}

}  // namespace velmo
