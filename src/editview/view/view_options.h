#pragma once
// The messages that change the view's measurements: font, padding, margins,
// line numbers, control characters, word wrap and the window's size. Each
// brings the layout back in line (the rows are broken again with wrap on),
// the scroll bars, the caret and the picture. All but padding, and a resize
// that broke the rows again, also bring the caret into view and tell the
// parent where it is.
#include <windows.h>

#include <cstdint>

namespace velmo {

void ChangeFont(HFONT font, bool redraw);     // WM_SETFONT
void ChangePadding(WPARAM above, LPARAM below);  // EVM_SETPADDING
void ChangeMargins(WPARAM left, LPARAM right);   // EVM_SETMARGINS
void ShowLineNumbers(bool on);                   // EVM_SHOWLINENUMBERS
void ShowControlChars(bool on);                  // EVM_SHOWCONTROLCHARS
// EVM_SETWORDWRAP: the mode now in force (1 on, 0 off).
LRESULT SetWordWrap(bool on);
void ResizeView(std::uint32_t width, std::uint32_t height);  // WM_SIZE

// After a change of the measurements or of the whole text: geometry, rows
// (broken again with wrap on when the character widths or the text area's
// width changed), widest line (measured again with wrap off when the widths
// or the text changed), scroll position and bars, caret, and a repaint.
// True when the rows were broken again.
bool Relayout(bool widthsChanged, bool textChanged);

// The horizontal range from the widest line, which is measured again here
// only when an edit left it unknown.
void UpdateColumnRange();
// The same after an edit, which may leave the widest line unknown: measuring
// every line then waits for the scroll bars' timer, so that a burst of edits
// measures once; until then the range keeps the last width, which the true
// one does not exceed.
void UpdateColumnRangeAfterEdit();
// WM_TIMER kScrollBarTimer, before the bars are drawn: the measuring that
// waited for it.
void MeasureWaitingWidestLine();

}  // namespace velmo
