#pragma once
// The caret's pixel position, computed from its row and column, and the
// system caret that shows it.
#include <cstdint>

namespace velmo {

// Caret x and y from the caret's row and its column within the row.
void ComputeCaretPosition();
// Computes the position and moves the system caret there; a caret left of
// the text or in the right margin strip is put out of sight.
void PlaceCaret();
// WM_SETFOCUS and font changes: a caret of the font's height, placed and shown.
void CreateViewCaret();
// Whether the caret stands inside the text area.
bool CaretVisible();

}  // namespace velmo
