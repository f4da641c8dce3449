#pragma once
// The control's edits as its messages start them: each runs with the
// busy-edit flag set and, where a fault could corrupt the document, inside a
// fault guard that reports "Error 2" (typing) or "Error 3"/"Error 4"
// (replacing, wrap off/on) and closes the window.
#include <windows.h>

#include <cstdint>

namespace velmo {

// WM_CHAR: every code but 8 and 127, which arrive as keys.
LRESULT TypeCharacter(WPARAM code);
// Backspace (8) and Delete (127) from WM_KEYDOWN, by words when Ctrl is held.
void TypeDeletionKey(std::uint8_t code, bool ctrlHeld);
// EM_REPLACESEL with a zero-terminated text (null counts as empty).
LRESULT ReplaceSelectionText(WPARAM recordUndo, LPARAM text);
// Replaces the selection by `length` bytes that may hold NUL (null counts as
// empty). Both return 0 when the edit could not be made (out of memory, or
// refused by the parent at the full-history question), else 1.
LRESULT ReplaceSelectionBytes(const std::uint8_t* text, std::uint32_t length, bool recordUndo = true);
LRESULT UndoEdit();
LRESULT RedoEdit();

}  // namespace velmo
