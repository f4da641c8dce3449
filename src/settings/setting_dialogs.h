#pragma once
// The system's colour and font dialogs. Option commands take them as
// parameters, so that tests can answer in their place.
#include <windows.h>

#include <functional>

namespace velmo {

// True when the user confirmed; `chosen` is then the new colour.
using ColourPicker = std::function<bool(HWND owner, COLORREF initial, COLORREF* chosen)>;

// Opens with `font` and, when the user confirms, leaves the choice in it and
// its size in tenths of a point in `pointSize`.
using FontPicker = std::function<bool(HWND owner, LOGFONTA* font, INT* pointSize)>;

// The colour dialog, keeping the user's custom colours for the session.
bool ShowColourDialog(HWND owner, COLORREF initial, COLORREF* chosen);

// The font dialog with screen fonts only.
bool ShowFontDialog(HWND owner, LOGFONTA* font, INT* pointSize);

}  // namespace velmo
