#include "settings/window_placement.h"

namespace velmo {

bool WindowNormalPlacement(HWND window, Placement* placement) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(window, &wp)) return false;
    const RECT& r = wp.rcNormalPosition;
    *placement = Placement{r.left, r.top, r.right - r.left, r.bottom - r.top};
    return true;
}

}  // namespace velmo
