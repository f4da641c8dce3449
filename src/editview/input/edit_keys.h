#pragma once
// WM_KEYDOWN for the keys that edit: Backspace, Delete and Insert, and the
// lock keys whose state the parent shows.
#include <windows.h>

namespace velmo {

void HandleEditKey(WPARAM key);

}  // namespace velmo
