#pragma once
// Renders the control's client area into a 32-bit picture, as the screen
// would show it, so that tests can read pixels and keep screenshots.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velmo::test {

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first

    COLORREF At(int x, int y) const;
    // How many pixels of [left, right) x [top, bottom) have colour `colour`.
    int Count(int left, int top, int right, int bottom, COLORREF colour) const;
    // Whether the pixels of `area` that differ from `background` are exactly
    // the dark ones of `drawn` (see TextPicture) moved by (dx, dy).
    bool Shows(const Picture& drawn, RECT area, int dx, int dy, COLORREF background) const;
    // Writes the picture as a BMP file into the build's artefacts folder.
    void Save(const std::string& name) const;
};

// The control's client area as painted now.
Picture Render(HWND edit);
// The window's client area as the screen shows it (the window must be shown).
Picture Capture(HWND window);
// Text drawn black on white with `font` at (x, y), right-aligned when `right`.
Picture TextPicture(int width, int height, HFONT font, const char* text, int x, int y, bool right = false);

}  // namespace velmo::test
