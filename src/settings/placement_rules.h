#pragma once
// Where a window opens when another copy of the program is already running,
// and the other pure rules of the stored placement.
#include <cstdint>

namespace velmo {

struct Placement {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// Shifts a placement 30 pixels up and left so a new window does not cover the
// last one; at the top or left edge it moves 30 pixels the other way instead,
// shrinking when it would pass the screen's far edge.
Placement CascadeFrom(Placement last, std::int32_t screenWidth, std::int32_t screenHeight);

// What the system tells of a window, for its normal placement on screen.
struct WindowPlacementFacts {
    bool normalState;           // neither maximised nor minimised
    Placement window;           // its rectangle now, in screen coordinates
    Placement normal;           // its normal rectangle, in workspace coordinates
    std::int32_t workLeft = 0;  // the work area's origin on the window's monitor
    std::int32_t workTop = 0;
};

// The window's normal placement in screen coordinates, as stored.
Placement NormalPlacementOnScreen(const WindowPlacementFacts& facts);

}  // namespace velmo
