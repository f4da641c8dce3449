#pragma once
// The main window's own normal rectangle, for SaveExitSettings when no
// placement is shared between running copies.
#include <windows.h>

#include "app/placement_rules.h"

namespace velmo {

// The rectangle the window has when neither maximised nor minimised (in
// work-area coordinates, which equal screen coordinates unless a task bar
// sits at the left or top). False when the window gives no placement.
bool WindowNormalPlacement(HWND window, Placement* placement);

}  // namespace velmo
