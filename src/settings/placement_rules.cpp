#include "settings/placement_rules.h"

#include <algorithm>

namespace velmo {

namespace {

constexpr std::int32_t kStep = 30;

// One axis: position and extent against the screen's extent, in 64 bits so
// that no stored value can overflow the sums.
void CascadeAxis(std::int32_t& position, std::int32_t& extent, std::int32_t screen) {
    if (position >= kStep) {
        position -= kStep;
        return;
    }
    if (std::int64_t{position} + extent + kStep > screen) {
        extent = static_cast<std::int32_t>(std::int64_t{screen} - position - kStep);
    }
    position += kStep;
}

std::int32_t Shifted(std::int32_t position, std::int32_t by) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{position} + by, INT32_MIN, INT32_MAX));
}

}  // namespace

Placement CascadeFrom(Placement last, std::int32_t screenWidth, std::int32_t screenHeight) {
    CascadeAxis(last.x, last.width, screenWidth);
    CascadeAxis(last.y, last.height, screenHeight);
    return last;
}

Placement NormalPlacementOnScreen(const WindowPlacementFacts& facts) {
    // Shown normally, the window stands at its normal rectangle: its own
    // rectangle is right whatever frame the system reports the other one in
    // (Wine reports it on the screen).
    if (facts.normalState) return facts.window;
    Placement p = facts.normal;
    p.x = Shifted(p.x, facts.workLeft);
    p.y = Shifted(p.y, facts.workTop);
    return p;
}

}  // namespace velmo
