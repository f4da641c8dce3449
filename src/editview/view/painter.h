#pragma once
// Painting the control: every pixel of the rows in the update rectangle,
// drawn off screen and copied in one piece, so that nothing flickers.
#include <windows.h>

namespace velmo {

// WM_PAINT's drawing: the update rectangle drawn off screen, then copied.
void PaintOffScreen(HDC screen, const RECT& update);
// Draws the rows that meet `update` (client coordinates) into `dc`.
void PaintRows(HDC dc, const RECT& update);

}  // namespace velmo
