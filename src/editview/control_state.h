#pragma once
// The control's one process-wide state record. A second control in the same
// process would share it, so the program creates exactly one.
#include <windows.h>

#include "editview/control_events.h"
#include "editview/model/editing.h"
#include "editview/model/text_store.h"
#include "editview/view/colours.h"

namespace velmo {

struct ViewGeometry {
    HFONT font = nullptr;  // the caller's font (WM_SETFONT); null means the system font
    int lineHeight = 16;
    int clientWidth = 0, clientHeight = 0;
    int paddingAbove = 0, paddingBelow = 0;
    int marginLeft = 0, marginRight = 0;
    std::uint32_t firstVisibleLine = 0;
    int wheelStep = 40;
    int caretWidth = 1;
};

struct ViewOptions {
    bool lineNumbers = false;
    bool wordWrap = false;
    bool centerAfterFind = false;
    int markerStyle = 0;
};

struct EditControl {
    HWND window = nullptr;
    HWND parent = nullptr;  // refreshed at every message
    bool busy = false;      // an edit is being applied
    HCURSOR arrowCursor = nullptr, beamCursor = nullptr, waitCursor = nullptr;
    SCROLLINFO scroll{};
    TextStore store{SystemHeap()};
    ControlEvents events;
    Editor editor{store, events};
    BlockHandle markers = 0, widths = 0, layoutWork = 0;
    std::uint32_t markerCount = 0, markerCapacity = 0;
    ColourSets colours;
    ViewGeometry view;
    ViewOptions options;
    bool focused = false;
};

EditControl& Control();

}  // namespace velmo
