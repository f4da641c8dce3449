#pragma once
// The recent-file list in the file menu: up to ten paths, the most recent
// first, as commands 311-320 in front of command 310, kept in the settings.
#include <windows.h>

namespace velmo {

// Puts the list's items and a separator after them in front of command 310
// of `mainMenu`; nothing while the list is empty.
void InsertRecentItems(HMENU mainMenu);
// Takes them out of `mainMenu` again.
void RemoveRecentItems(HMENU mainMenu);

// After a document was loaded, saved under a new name or opened for typing
// playback: the path goes to the front of the list, menu and settings file.
void AddRecentFile(const char* path);

// Commands 311-320: entries 0-9, opened after the save question.
void OpenRecentFile(unsigned index);

// Command 501: the list becomes empty; the paths stay in the file unread.
void ClearRecentList();

}  // namespace velmo
