#pragma once
// Brings every setting into its range. Safe to run more than once: a valid
// record stays as it is.
#include <cstdint>

#include "settings/settings.h"

namespace velmo {

// One integer setting on its own (not the window placement, which needs the
// screen size).
std::int32_t ValidateIntSetting(const IntKey& key, std::int32_t value);

// Window placement against the primary screen, in this order: x outside
// 0..width gives 120, y outside 0..height gives 100, a width that is negative
// or passes the right edge gives 770, a height that is negative or passes
// the bottom edge gives 473.
void ValidatePlacement(Settings& settings, std::int32_t screenWidth, std::int32_t screenHeight);

// Every integer setting, the placement and the texts (terminated, a face
// name never empty).
void ValidateSettings(Settings& settings, std::int32_t screenWidth, std::int32_t screenHeight);

// Padding and margin values typed into a dialog are kept to 0..kMaxSpacing.
std::int32_t ClampSpacing(std::int64_t pixels);

}  // namespace velmo
