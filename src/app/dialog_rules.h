#pragma once
// The arithmetic of the main window's small dialogs.
#include <cstdint>

namespace velmo {

struct Rect32 {
    std::int32_t left, top, right, bottom;
};

struct Point32 {
    std::int32_t x, y;
};

// Where a dialog of outer rectangle `dialog` goes so that it sits centred
// over `owner`; when the dialog is the larger, it hangs over both sides
// equally. Halves are rounded down.
Point32 CenteredOrigin(const Rect32& owner, const Rect32& dialog);

// The go-to-line field: a line number from 1 to lineCount; false for
// anything else (0, too large, not a number).
bool ParseLineNumber(const char* text, std::uint32_t lineCount, std::uint32_t* line);

}  // namespace velmo
