#pragma once
// Scrolling: the scroll bars, the scroll-bar codes, the wheel, line scrolls,
// and bringing the caret or a found text into view. Every scroll moves the
// first visible row or column, keeps the row layouts in step and repaints.
#include <windows.h>

#include <cstdint>

namespace velmo {

void UpdateScrollBars();
// WM_VSCROLL and WM_HSCROLL with their SB_ code.
void ScrollByCode(int code);
void ScrollColumnsByCode(int code);
void ScrollWheel(WPARAM wParam);
// EM_LINESCROLL.
void ScrollLines(std::int64_t rows);
// EM_SCROLLCARET and every edit: the caret's row and column into view.
// True when the view moved (it is then repainted).
bool ScrollCaretIntoView();
// After a search: the found text's row page-aligned, or in the middle row
// when centring after find is on.
void ScrollFoundIntoView();
// The first visible row becomes `row` (clamped); repaints when it moved.
void ScrollToRow(std::uint32_t row);
// Keeps the view filled after the document or the view changed size.
void ClampScrollPosition();

}  // namespace velmo
