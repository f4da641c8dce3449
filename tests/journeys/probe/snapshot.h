#pragma once
// What a user sees of the program, one fact per line, read through the
// windows' own interfaces from another process:
//   main <pid> <x>,<y> <w>x<h> <title>
//   edit <pid> <x>,<y> <w>x<h>            (the text area, screen pixels)
//   status <pid> <part 0>|<part 1>|...
//   dialog <pid> <x>,<y> <w>x<h> <caption>|<message text>
// Main windows are those of class "Velmo 2"; dialogs are every other shown
// dialog window (message boxes, the system's common dialogs).
#include <string>
#include <vector>

namespace journeys {

std::vector<std::string> TakeSnapshot();

}  // namespace journeys
