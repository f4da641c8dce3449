#pragma once
// The font record as the system's logical-font record, and the font made
// from it.
#include <windows.h>

#include "settings/font_record.h"

namespace velmo {

void FillLogFont(const FontRecord& record, LOGFONTA* font);
FontRecord FontRecordFromLogFont(const LOGFONTA& font);

// Null when the system cannot make the font.
HFONT CreateFontFromRecord(const FontRecord& record);

}  // namespace velmo
