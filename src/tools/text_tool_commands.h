#pragma once
// The text tools of the main window's menu: case and reversal of the
// selection (203-206), time and date (400), tags (800-803). Each replaces
// the selection in one step that one undo takes back.
#include <windows.h>

namespace velmo {

struct TextToolContext {
    HWND editView;
    // Owner of the out-of-memory message: the open find or replace dialog,
    // else the main window.
    HWND messageOwner;
};

void RunTextTool(const TextToolContext& context, unsigned command);

}  // namespace velmo
