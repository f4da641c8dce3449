#include "editview/document_view.h"

#include "editview/control_state.h"
#include "editview/notifications.h"
#include "editview/view/simple_view.h"

namespace velmo {

void AfterDocumentReplaced() {
    EditControl& c = Control();
    c.view.firstVisibleLine = 0;
    c.markerCount = 0;
    UpdateScrollBars();
    InvalidateRect(c.window, nullptr, FALSE);
    PlaceCaret();
    PostCaretPosition();
}

void AfterSelectionChanged() {
    EditControl& c = Control();
    InvalidateRect(c.window, nullptr, FALSE);
    PlaceCaret();
    SendCaretPosition();
}

}  // namespace velmo
