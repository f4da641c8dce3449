#pragma once
// What the keyboard and the mouse keep between messages: the goal x of
// vertical moves and the state of a mouse drag.
#include <windows.h>

#include <cstdint>

namespace velmo {

struct InputState {
    // Pixels from the start of the caret's row, kept across Up, Down, Page Up
    // and Page Down; taken afresh once the caret stands elsewhere than at
    // `goalCaret` (typing and other messages move it too).
    std::int64_t goalX = 0;
    std::uint32_t goalCaret = 0;
    bool goalSet = false;

    bool selecting = false;  // the left button went down in the text and is still held
    std::int32_t lastX = 0, lastY = 0;
    bool up = false, down = false, left = false, right = false;
    UINT_PTR timer = 0;  // the auto-scroll timer while it runs
};

}  // namespace velmo
