#pragma once
// Scrolling: the scroll bars, the scroll-bar codes, the wheel, line scrolls,
// and bringing the caret or a found text into view. Every scroll moves the
// first visible row or column, keeps the row layouts in step and repaints.
#include <windows.h>

#include <cstdint>

namespace velmo {

void UpdateScrollBars();
// WM_VSCROLL and WM_HSCROLL with their SB_ code. Keyboard scrolls that
// leave the caret alone pass `notify` false: the parent hears nothing.
void ScrollByCode(int code, bool notify = true);
void ScrollColumnsByCode(int code, bool notify = true);
void ScrollWheel(WPARAM wParam);
// EM_LINESCROLL.
void ScrollLines(std::int64_t rows);
// How far the view goes sideways to show the caret: to the page of columns
// holding it (keys, edits), or by as few whole columns as it takes (mouse).
enum class Sideways { kByPage, kJustEnough };

// EM_SCROLLCARET and every edit: the caret's row and column into view.
// True when the view moved (it is then repainted).
bool ScrollCaretIntoView(Sideways sideways = Sideways::kByPage);
// After a search: the found text's row page-aligned, or in the middle row
// when centring after find is on.
void ScrollFoundIntoView();
// The first visible row becomes `row` (clamped); repaints when it moved.
void ScrollToRow(std::uint32_t row, bool notify = true);
// Keeps the view filled after the document or the view changed size.
void ClampScrollPosition();

}  // namespace velmo
