#pragma once
// Turning the font and the view settings into pixel geometry: the character
// widths (the only source of horizontal measurement), the line height, the
// line-number font and gutter, the text area and the rows that fit.
#include <windows.h>

namespace velmo {

// The editing font's metrics and widths into the view (the system font
// before the first WM_SETFONT).
void MeasureFont();
// The line-number font for the current font height; false when it cannot be made.
bool MakeLineNumberFont();
void DeleteLineNumberFont();
// The gutter width for the current line count. With `onlyWiden` (during
// edits) a narrower width is discarded. True when the width changed.
bool ComputeGutter(bool onlyWiden);
// Text area, row counts and the size of the row layout cache from the
// client size, gutter and margins.
void ComputeGeometry();
// Wheel lines and caret width from the system.
void ReadSystemSettings();

}  // namespace velmo
