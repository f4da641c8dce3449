#pragma once
// WM_KEYDOWN for the keys that move the caret: the arrows, Page Up, Page
// Down, Home and End, with Shift extending the selection and Ctrl moving by
// words, to the text's ends, or scrolling the view alone.
#include <windows.h>

namespace velmo {

// False for keys that are not navigation keys.
bool HandleNavigationKey(WPARAM key, bool ctrl, bool shift);

}  // namespace velmo
