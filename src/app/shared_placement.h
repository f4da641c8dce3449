#pragma once
// The 16-byte placement record that every running copy of the program shares
// through named memory, so a new copy opens beside the last placed window and
// the last copy to end saves the placement any copy recorded last.
#include <windows.h>

#include "settings/placement_rules.h"

namespace velmo {

enum class PlacementSharing {
    kJoined,   // another copy made the record; `last` holds its placement
    kCreated,  // this copy made the record and wrote its own placement
    kNone,     // the record could be neither opened nor created
};

// Opens the record made by another running copy, or makes it from `own`.
PlacementSharing AttachSharedPlacement(const Placement& own, Placement* last);

// WM_MOVE: the window's left and top, in its normal state only. Neither
// records anything before the window is shown.
void RecordPosition(HWND window, bool normalState, bool fullScreen);
// WM_SIZE: the outer size, unless maximised or minimised.
void RecordSize(HWND window, WPARAM sizeType);
// The placement last recorded by any copy; false when there is no record.
bool ReadSharedPlacement(Placement* placement);
void ReleaseSharedPlacement();

}  // namespace velmo
