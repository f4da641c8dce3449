#include "app/placement_rules.h"

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

}  // namespace

Placement CascadeFrom(Placement last, std::int32_t screenWidth, std::int32_t screenHeight) {
    CascadeAxis(last.x, last.width, screenWidth);
    CascadeAxis(last.y, last.height, screenHeight);
    return last;
}

}  // namespace velmo
