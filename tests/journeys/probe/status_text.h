#pragma once
// The texts of a status bar that belongs to another process.
#include <windows.h>

#include <string>
#include <vector>

namespace journeys {

// One text per part, in part order; empty when the bar cannot be read.
std::vector<std::string> ReadStatusParts(HWND statusBar);

}  // namespace journeys
