#pragma once
// The recent-files list of the file menu. These are the points where the
// list meets the rest of the program; the list itself is still to come, and
// until then they change nothing.
#include <windows.h>

namespace velmo {

void AddRecentFile(const char* path);
void OpenRecentFile(unsigned index);  // commands 311-320: entries 0-9
void InsertRecentItems(HMENU mainMenu);

}  // namespace velmo
