#pragma once
// Where a window opens when another copy of the program is already running,
// and the other pure rules of the shared placement.
#include <cstdint>

namespace velmo {

struct Placement {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// Shifts a placement 30 pixels up and left so a new window does not cover the
// last one; at the top or left edge it moves 30 pixels the other way instead,
// shrinking when it would pass the screen's far edge.
Placement CascadeFrom(Placement last, std::int32_t screenWidth, std::int32_t screenHeight);

}  // namespace velmo
