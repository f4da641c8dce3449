#pragma once
// The control's one process-wide state record. A second control in the same
// process would share it, so its creation is refused while one exists.
#include <windows.h>

#include "editview/control_events.h"
#include "editview/input/input_state.h"
#include "editview/model/editing.h"
#include "editview/model/text_store.h"
#include "editview/search/control_search.h"
#include "editview/search/search_engine.h"
#include "editview/view/colours.h"
#include "editview/view/row_layout_cache.h"
#include "editview/view/view_state.h"

namespace velmo {

struct ViewOptions {
    bool centerAfterFind = false;
    int markerStyle = 0;
};

struct EditControl {
    HWND window = nullptr;
    HWND parent = nullptr;  // refreshed at every message
    bool busy = false;      // an edit is being applied
    HCURSOR arrowCursor = nullptr, beamCursor = nullptr, waitCursor = nullptr;
    TextStore store{SystemHeap()};
    ControlEvents events;
    Editor editor{store, events};
    SearchEngine search{store, events, UserCaseMapping()};
    BlockHandle markers = 0;
    std::uint32_t markerCount = 0, markerCapacity = 0;
    ColourSets colours;
    ViewState view;
    RowLayoutCache layouts{SystemHeap()};  // the rows of the unwrapped view
    ViewOptions options;
    InputState input;
    bool focused = false;
};

EditControl& Control();

}  // namespace velmo
