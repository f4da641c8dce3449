#pragma once
// The control's scroll bars. Drawing a bar costs more than a keystroke (5 to
// 9 ms under Wine), so new values are stored at once, read back at once, and
// drawn a moment later (timer 2), once for any number of changes, and only
// when they changed the thumb or the state the bar shows.
#include <windows.h>

#include <cstdint>

namespace velmo {

constexpr UINT_PTR kScrollBarTimer = 2;

class ScrollBars {
public:
    // Range 0 .. last, page and position (each beyond 2^31 - 1 is cut there);
    // a bar whose page holds the whole range is shown disabled.
    void Set(HWND window, int bar, std::uint32_t last, std::uint32_t page, std::uint32_t pos);
    void SetPosition(HWND window, int bar, std::uint32_t pos);
    // Asks for the timer though no bar waits, for work that waits for it.
    void Remind(HWND window);
    // WM_TIMER kScrollBarTimer: draws the bars that wait for it.
    void DrawWaiting(HWND window);

private:
    void Store(HWND window, int bar, const SCROLLINFO& info);

    void StartTimer(HWND window);

    bool waiting_[2] = {false, false};  // SB_HORZ, SB_VERT
    bool reminded_ = false;
};

}  // namespace velmo
