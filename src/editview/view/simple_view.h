#pragma once
// A plain view of the document: one row per line, no word wrap, vertical
// scrolling by whole lines. Enough to read and edit; measurement comes from
// the selected font through GDI.
#include <windows.h>

#include <cstdint>

namespace velmo {

// Line height and tab stops from the font in use.
void MeasureFont();
void PaintView(HDC dc);
// Caret position on screen for the caret offset (when the control has the focus).
void PlaceCaret();
void CreateViewCaret();

// Vertical scrolling: to a first visible line, by a scroll-bar code, to the caret.
void ScrollToLine(std::int64_t line);
void ScrollByCode(int code);
void ScrollCaretIntoView();
void UpdateScrollBars();
std::uint32_t VisibleRows();

}  // namespace velmo
