#pragma once
// The main window's own normal rectangle, for SaveExitSettings when no
// placement is shared between running copies.
#include <windows.h>

#include "settings/placement_rules.h"

namespace velmo {

// The rectangle the window has when neither maximised nor minimised, in
// screen coordinates. False when the window gives no placement.
bool WindowNormalPlacement(HWND window, Placement* placement);

}  // namespace velmo
