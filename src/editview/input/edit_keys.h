#pragma once
// WM_KEYDOWN: the keys that edit (Backspace, Delete and Insert), the lock
// keys whose state the parent shows, and the navigation keys.
#include <windows.h>

namespace velmo {

void HandleEditKey(WPARAM key);

}  // namespace velmo
