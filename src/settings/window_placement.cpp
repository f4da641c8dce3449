#include "settings/window_placement.h"

namespace velmo {

namespace {

Placement FromRect(const RECT& r) { return Placement{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

bool WindowNormalPlacement(HWND window, Placement* placement) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    RECT now{};
    if (!GetWindowPlacement(window, &wp) || !GetWindowRect(window, &now)) return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    bool normal = wp.showCmd != SW_SHOWMINIMIZED && wp.showCmd != SW_SHOWMAXIMIZED;
    *placement = NormalPlacementOnScreen(
        {normal, FromRect(now), FromRect(wp.rcNormalPosition), monitor.rcWork.left, monitor.rcWork.top});
    return true;
}

}  // namespace velmo
