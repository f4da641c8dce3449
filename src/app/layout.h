#pragma once
// The edit control above the status bar.
#include <windows.h>

namespace velmo {

// WM_SIZE with the client width and height.
void LayOut(WPARAM sizeType, int width, int height);

// LayOut again for the current client size, after the status bar was shown
// or hidden.
void Relayout();

}  // namespace velmo
