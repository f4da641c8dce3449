#pragma once
// The left mouse button: a click places the caret, a drag selects (scrolling
// on a timer while the mouse is beyond the text), a double-click selects a
// word and a click in the line-number gutter selects a whole line.
#include <windows.h>

namespace velmo {

constexpr UINT_PTR kAutoScrollTimer = 1;

void MouseButtonDown(LPARAM point);
void MouseMove(LPARAM point);
void MouseButtonUp(LPARAM point);
void MouseDoubleClick(LPARAM point);
// WM_TIMER: one auto-scroll step for our timer; others are ignored.
void AutoScrollStep(WPARAM timer);
// WM_CAPTURECHANGED: a drag that lost the mouse ends as if the button came up.
void MouseCaptureLost();

}  // namespace velmo
